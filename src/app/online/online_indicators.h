// The news and chat indicators of the main menu. At start, and every 90 seconds until a new
// message turns up, the chat list is read and compared with the chat file; every 3 seconds
// while the menu shows, until news turns up, the news page's newest number is compared with
// the news file. In window sizes below scale 1.6 a siren stands next to the news and the chat
// button; in larger ones the shelf carries the news and chat pictures.
#pragma once

#include <QList>
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <string>

#include "app/online/online_job.h"

namespace ostrel {

inline constexpr int kChatCheckPeriodMs = 90000;
inline constexpr int kNewsCheckPeriodMs = 3000;
inline constexpr double kShelfScale = 1.6;

class OnlineIndicators : public QWidget {
  Q_OBJECT
 public:
  // shared_folder: where the chat and news files live (the folder above the program's).
  OnlineIndicators(ServiceClient client, std::string shared_folder, QWidget* parent = nullptr);

  // Starts the chat checks (one at once, then every 90 seconds).
  void Start();
  // The news is looked for only while the main menu shows.
  void SetMenuShown(bool shown);
  void SetScale(double scale);

  bool NewsShown() const { return news_on_; }
  bool ChatShown() const { return chat_on_; }
  int NewestNews() const { return newest_news_; }
  bool Busy() const { return chat_job_.Busy() || news_job_.Busy(); }
  bool Shelf() const { return scale_ >= kShelfScale; }
  // The hint of a point of the widget: "Tarvo News!", "Tarvo Chat!" or nothing.
  QString HintAt(QPoint point) const;

  // One check each; the timers call them.
  void CheckChat();
  void CheckNews();
  // The news is opened: the newest number goes to the news file and the indicator goes out.
  // Returns the news page's address for the browser.
  QString OpenNews();
  // The chat window was opened: the indicator goes out.
  void ChatSeen();

 signals:
  void NewChat();  // a message newer than the last seen turned up
  void NewsChosen();
  void ChatChosen();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  bool event(QEvent* event) override;
  // Keeps the indicators in the top right corner of the screen they stand on.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QRect NewsRect() const;
  QRect ChatRect() const;
  void Relayout();
  void PlaceInCorner();

  OnlineJob chat_job_;
  OnlineJob news_job_;
  std::string folder_;
  QTimer chat_timer_, news_timer_, siren_timer_;
  bool news_on_ = false, chat_on_ = false;
  bool menu_shown_ = false;
  int newest_news_ = 0;
  double scale_ = 1.0;
  int frame_ = 0;
  QList<QImage> siren_news_, siren_chat_;
  QPixmap shelf_, news_picture_, chat_picture_;
};

}  // namespace ostrel
