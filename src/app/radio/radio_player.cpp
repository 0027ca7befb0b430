#include "app/radio/radio_player.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QUrl>

namespace ostrel {
namespace {

class MediaRadioPlayer : public RadioPlayer {
 public:
  MediaRadioPlayer() { player_.setAudioOutput(&output_); }
  ~MediaRadioPlayer() override { player_.stop(); }

  void Play(const std::string& url) override {
    // setSource hands the address to the back end and returns; the stream starts when the
    // station answers, or never.
    player_.stop();
    const QUrl address(QString::fromStdString(url), QUrl::StrictMode);
    if (!address.isValid() || address.scheme().isEmpty()) return;
    player_.setSource(address);
    player_.play();
  }
  void Stop() override {
    player_.stop();
    player_.setSource(QUrl());
  }
  void SetVolume(double volume) override { output_.setVolume(static_cast<float>(volume)); }

 private:
  QAudioOutput output_;
  QMediaPlayer player_;
};

}  // namespace

std::unique_ptr<RadioPlayer> MakeMediaRadioPlayer(QObject* parent) {
  (void)parent;
  return std::make_unique<MediaRadioPlayer>();
}

}  // namespace ostrel
