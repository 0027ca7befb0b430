#include "media/song_player.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QUrl>
#include <algorithm>

#include "game/random.h"

namespace ostrel {

namespace {

// The volume button's parts, in pixels from its left edge.
constexpr int kLowerFrom = 1;
constexpr int kLowerTo = 25;
constexpr int kRaiseAfter = 34;

void DropMessage(QtMsgType, const QMessageLogContext&, const QString&) {}

class MediaSongStream : public SongStream {
 public:
  MediaSongStream() {
    // Without a sound server Qt Multimedia warns on the terminal about the missing device;
    // the player is meant to stay silent then.
    const QtMessageHandler previous = qInstallMessageHandler(DropMessage);
    audio_ = std::make_unique<QAudioOutput>();
    qInstallMessageHandler(previous);
    player_.setAudioOutput(audio_.get());
  }
  ~MediaSongStream() override { player_.stop(); }

  void Open(const std::string& url) override {
    // The list's addresses are percent-encoded already; a strict reading keeps them as they are
    // and turns a damaged one into an empty source, which plays nothing.
    const QUrl source = QUrl::fromEncoded(QByteArray::fromStdString(url), QUrl::StrictMode);
    url_ = source.isValid() ? source : QUrl();
    player_.setSource(url_);
  }
  void Play() override {
    if (player_.source().isEmpty()) player_.setSource(url_);
    player_.play();
  }
  // Stopping drops the stream instead of rewinding it: going back to the start of a song
  // served by a server without byte ranges fails, and the player would then report the song
  // as ended at once. Nothing is downloaded while stopped, and Play fetches it anew.
  void Stop() override { player_.setSource(QUrl()); }
  void SetVolume(double volume) override {
    audio_->setVolume(static_cast<float>(std::clamp(volume, 0.0, 1.0)));
  }
  bool Ended() const override {
    if (player_.mediaStatus() == QMediaPlayer::EndOfMedia) return true;
    const qint64 length = player_.duration();
    return length > 0 && player_.position() >= length;
  }

 private:
  QMediaPlayer player_;
  std::unique_ptr<QAudioOutput> audio_;
  QUrl url_;
};

}  // namespace

std::unique_ptr<SongStream> MakeMediaSongStream() {
  return std::make_unique<MediaSongStream>();
}

SongPick ClockSongPick() {
  auto random = std::make_shared<Random>(Random::FromClock());
  return [random](int lo, int hi) { return random->Uniform(lo, hi); };
}

int VolumeAfterRelease(int volume, int x) {
  if (x > kRaiseAfter) return std::min(100, volume + kVolumeStep);
  if (x >= kLowerFrom && x <= kLowerTo) return std::max(0, volume - kVolumeStep);
  return volume;
}

SongPlayer::SongPlayer(SongList list, std::unique_ptr<SongStream> stream, SongPick pick)
    : stream_(std::move(stream)), pick_(std::move(pick)) {
  static_cast<SongList&>(state_) = std::move(list);
}

void SongPlayer::OpenCurrent() {
  // A generator that strays outside the list must not make the player read past its end.
  state_.N = std::clamp(pick_(1, state_.Max), 1, state_.Max);
  stream_->Open(state_.URL[static_cast<std::size_t>(state_.N)]);
  stream_->SetVolume(state_.Volume / 100.0);
}

void SongPlayer::Start() {
  if (state_.Max < 1) return;
  OpenCurrent();
  const auto n = static_cast<std::size_t>(state_.N);
  hint_ = {state_.Artists[n], state_.Songs[n]};
}

void SongPlayer::TogglePlay() {
  if (state_.Max < 1) return;
  if (state_.Play) {
    stream_->Stop();
  } else {
    stream_->Play();
  }
  state_.Play = !state_.Play;
}

void SongPlayer::Next() {
  if (state_.Max < 1) return;
  stream_->Stop();
  OpenCurrent();
  stream_->Play();
  const auto n = static_cast<std::size_t>(state_.N);
  hint_ = {std::string(), state_.Artists[n] + "  :  " + state_.Songs[n]};
  state_.Play = true;
}

bool SongPlayer::VolumeReleased(int x) {
  const int volume = VolumeAfterRelease(state_.Volume, x);
  if (volume == state_.Volume) return false;
  state_.Volume = volume;
  stream_->SetVolume(volume / 100.0);
  return true;
}

bool SongPlayer::Tick() {
  if (!state_.Play || state_.Max < 1 || !stream_->Ended()) return false;
  Next();
  return true;
}

}  // namespace ostrel
