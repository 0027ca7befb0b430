// The options page "DLL": a download button for each pack the site offers, enabled only while
// the pack is in neither folder, and where the list of radio stations is read from. A download
// blocks the window under the wait cursor until it is done or has failed.
#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <string>

#include "packs/pack_download.h"
#include "storage/settings.h"

class QLabel;
class QPushButton;

namespace ostrel {

class TPacksPage : public QWidget {
  Q_OBJECT
 public:
  // Plays a sound of that name in the background mode.
  using PlaySound = std::function<void(const std::string& sound)>;

  TPacksPage(Settings& settings, PackFolders folders, QString site, PlaySound play_sound,
             QWidget* parent = nullptr);
  ~TPacksPage() override;

  bool Downloading() const { return downloading_; }

  QPushButton* DownloadButton(int number) const;  // 1..9, else null
  // What download `number` holds, in the current language, and its file name.
  static QString Caption(int number);

 signals:
  // A pack arrived: what shows pictures of the packs may load them now.
  void PacksChanged();
  // A setting changed.
  void Changed();
  // A download has ended, well or not (its sound has played).
  void DownloadFinished(bool ok);

 protected:
  // A pack may have come or gone while the page was hidden.
  void showEvent(QShowEvent* event) override;

 private:
  void Download(int number);
  void Finish(const PackDownload& result);
  void RefreshButtons();

  Settings& s_;
  PackFolders folders_;
  QString site_;
  PlaySound play_sound_;
  std::array<QPushButton*, kDownloadablePacks> buttons_{};
  QLabel* message_ = nullptr;
  bool downloading_ = false;
};

}  // namespace ostrel
