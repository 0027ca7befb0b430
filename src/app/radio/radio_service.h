// The internet radio of the program: the radio's state and rules (RadioTuner), its stream, its
// files in the folder above the program's, and the station list fetched from the site. One
// lives as long as the main window; the main menu's control and the radio window use it.
#pragma once

#include <QImage>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "packs/pack_picture.h"
#include "storage/radio_tuner.h"

namespace ostrel {

struct RadioSetup {
  PackFolders packs;    // where "TarvoRadio02.dll" and "TarvoCGraph1.dll" are looked for
  std::string program;  // the program's folder ("current folder" of the shipped list)
  std::string folder;   // the radio's folder, with a trailing "/"
  std::string site;     // the site the station list comes from; empty: none
  // Fetches the site's station list (the bytes, or nullopt); runs on a worker thread.
  std::function<std::optional<std::string>(const std::string& url)> fetch;
  std::unique_ptr<RadioPlayer> player;
};

class RadioService : public QObject {
  Q_OBJECT
 public:
  explicit RadioService(RadioSetup setup, QObject* parent = nullptr);
  ~RadioService() override;

  // Decides whether the radio can be used and loads "TarvoRadio.ini". With the list from the
  // server, the list is fetched on a worker thread first; Changed() tells when it is done.
  void Init(bool list_from_server);
  // Whether an Init is still waiting for the site.
  bool Fetching() const { return fetching_; }
  // Writes "TarvoRadio.ini" (atomically); a failure is not shown.
  void Save();

  RadioTuner& Tuner() { return tuner_; }
  const TRadio& State() const { return tuner_.State(); }
  // "Tarvo Internet-Radio: " and the station.
  QString Hint() const;
  // Leaving the title screen: plays when the radio was left on, now or when Init ends.
  void LeaveTitle();

  // A picture of the logo pack; null when the pack or the picture is missing.
  QImage PackPicture(const QString& name) const;
  // The station's logo, or the fallback logo when the pack lacks it; null when neither.
  QImage Logo() const;
  const PackFolders& Packs() const { return setup_.packs; }
  std::string ListPath() const;
  std::string SettingsPath() const { return setup_.folder + kRadioSettingsFile; }

 signals:
  // The state changed (availability, station, switch): redraw.
  void Changed();

 private:
  void Finish(bool list_from_server, bool download_ok);

  RadioSetup setup_;
  bool list_from_server_ = false;
  bool fetching_ = false;
  bool title_left_ = false;
  std::shared_ptr<RadioPlayer> player_;
  RadioTuner tuner_;
  std::thread worker_;
};

}  // namespace ostrel
