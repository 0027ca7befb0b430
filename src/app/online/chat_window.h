// The chat window ("Tarvo Games Chat"): the ten newest messages of the family's chat, which
// lives in the world top ten service under its own game identifier, and a line to write one.
// Messages newer than the last one seen carry the "GNew" mark; after a reading the newest
// becomes the last one seen and the chat file in the shared folder remembers it. A message
// may be written only while the passport's nick and city pass their checks, and at most one
// per 15 seconds.
#pragma once

#include <QDialog>
#include <QTimer>
#include <functional>
#include <string>

#include "app/online/online_job.h"
#include "app/online/online_reads.h"
#include "app/online/seen_files.h"
#include "storage/settings.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace ostrel {

inline constexpr int kChatLinePeriodMs = 15000;

class ChatWindow : public QDialog {
  Q_OBJECT
 public:
  // shared_folder: the folder above the program's folder, where the chat file lives.
  ChatWindow(ServiceClient client, Settings& settings, std::string shared_folder,
             QWidget* parent = nullptr);

  // Shows a notice; a message box unless a test replaces it.
  std::function<void(const QString&)> notify;
  // Saves the settings after the passport window changed them.
  std::function<void()> save_settings;
  // The time, date and product title sent with a message (the clock, unless a test fixes it).
  std::function<std::string()> stamp;

  bool Busy() const { return job_.Busy(); }
  const ChatFile& File() const { return file_; }
  // The numbers of the messages shown, top to bottom; and which of them carry "GNew".
  std::vector<int> ShownNumbers() const { return shown_; }
  std::vector<int> NewNumbers() const { return marked_new_; }
  QString ShownText(int row) const;  // the two lines of a row, "\n" between them

  QListWidget* Messages() { return messages_; }
  QLineEdit* Line() { return line_; }
  QPushButton* SendButton() { return send_; }
  QPushButton* PassportButton() { return passport_; }
  QCheckBox* AtBottomBox() { return at_bottom_; }
  QCheckBox* OpenOnNewBox() { return open_on_new_; }
  // The timer's tick, for tests that do not wait 15 seconds.
  void Tick();
  void Read();

 private:
  void Connect();
  void Send();
  void Show(const TopTenLines& lines);
  void ShowNoConnect();
  void SaveFile();
  bool PassportPasses() const;
  void AddMessage(const online::TTarvoRecord& message, bool is_new);

  OnlineJob job_;
  Settings& settings_;
  std::string folder_;
  ChatFile file_;
  QTimer timer_;
  std::vector<int> shown_, marked_new_;
  int own_ = 0;  // the number of the message sent from this window
  QListWidget* messages_;
  QLineEdit* line_;
  QPushButton* send_;
  QPushButton* passport_;
  QCheckBox* at_bottom_;
  QCheckBox* open_on_new_;
  QLabel* waiting_;
};

}  // namespace ostrel
