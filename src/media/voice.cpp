#include "media/voice.h"

#include <QFile>
#include <array>

#include "i18n/language.h"

namespace ostrel {

namespace {

// Suits in the game's order 1 to 4: hearts, diamonds, clubs, spades.
constexpr Array1<const char*, 4> kSuitPrefix = {"", "Ch", "Bu", "Kr", "Pi"};
constexpr std::array<const char*, kRankCount> kRankCode = {"07", "08", "09", "10",
                                                           "2J", "3Q", "4K", "5A"};

bool PlainName(const std::string& name) {
  if (name.empty() || name.size() > 64) return false;
  for (char c : name) {
    const bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    if (!ok) return false;
  }
  return true;
}

}  // namespace

std::optional<QByteArray> FolderVoiceSource::Find(const std::string& resource_name) {
  if (!PlainName(resource_name)) return std::nullopt;  // never a path outside the folder
  QFile file(QString::fromStdString(folder_ + "/" + resource_name + ".wav"));
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  return file.readAll();
}

std::string BuiltVoiceFolder() {
  return OSTREL_VOICE_DIR;
}

std::string VoiceResourceName(CardCode card, int language) {
  const int suit = SuitNumber(card.suit);
  const auto rank = RankOf(card);
  if (suit == 0 || !rank) return {};
  return std::string(kSuitPrefix[suit]) + kRankCode[static_cast<std::size_t>(*rank)] + "Voice" +
         std::string(FlagSuffix(NormalizedLanguage(language)));
}

std::optional<int> CardSpeaker::SpeakCard(CardCode card, int language, bool wait) {
  if (source_ == nullptr) return std::nullopt;
  const std::string name = VoiceResourceName(card, language);
  if (name.empty()) return std::nullopt;
  const auto clip = source_->Find(name);
  if (!clip) return std::nullopt;
  return player_.PlayClip(*clip, wait);
}

}  // namespace ostrel
