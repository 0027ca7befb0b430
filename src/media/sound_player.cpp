#include "media/sound_player.h"

#include <QFile>
#include <mutex>
#include <utility>

// The resources live in a static library: they must be registered by hand before the first
// lookup, and Q_INIT_RESOURCE must stand outside a namespace.
static void RegisterOwnSounds() {
  Q_INIT_RESOURCE(ostrel_own_sounds);
}

namespace ostrel {

namespace {

bool PlainName(std::string_view name) {
  if (name.empty() || name.size() > 32) return false;
  for (char c : name) {
    const bool ok =
        (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
    if (!ok) return false;
  }
  return true;
}

}  // namespace

QByteArray OwnSoundBytes(std::string_view name) {
  static std::once_flag once;
  std::call_once(once, RegisterOwnSounds);
  if (!PlainName(name)) return {};
  QFile file(QStringLiteral(":/ostrel/sounds/") +
             QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

SoundPlayer::SoundPlayer(std::function<bool()> sound_on, std::unique_ptr<AudioOutput> output)
    : sound_on_(std::move(sound_on)), output_(output ? std::move(output) : MakeDeviceOutput()) {}

const SoundPlayer::Clip* SoundPlayer::Find(std::string_view name) {
  auto it = clips_.find(name);
  if (it == clips_.end()) {
    std::optional<Clip> clip;
    QByteArray bytes = OwnSoundBytes(name);
    if (auto info = ReadWavInfo(std::string_view(bytes.constData(), bytes.size()))) {
      clip = Clip{std::move(bytes), *info};
    }
    it = clips_.emplace(std::string(name), std::move(clip)).first;
  }
  return it->second ? &*it->second : nullptr;
}

std::optional<int> SoundPlayer::ClipLengthMs(std::string_view name) {
  const Clip* clip = Find(name);
  if (clip == nullptr) return std::nullopt;
  return clip->info.LengthMs();
}

int SoundPlayer::PlaySoundEffect(std::string_view name, bool wait) {
  if (!sound_on_()) return 0;
  const Clip* clip = Find(name);
  if (clip == nullptr) return 0;
  output_->Start(clip->bytes, clip->info);
  return wait ? clip->info.LengthMs() : 0;
}

std::optional<int> SoundPlayer::PlayClip(const QByteArray& wav, bool wait) {
  const auto info = ReadWavInfo(std::string_view(wav.constData(), wav.size()));
  if (!info) return std::nullopt;
  output_->Start(wav, *info);
  return wait ? info->LengthMs() : 0;
}

void SoundPlayer::Stop() {
  output_->Stop();
}

}  // namespace ostrel
