#include "media/voice.h"

#include <array>

#include "i18n/language.h"
#include "packs/pack_names.h"

namespace ostrel {

namespace {

// Suits in the game's order 1 to 4: hearts, diamonds, clubs, spades.
constexpr Array1<const char*, 4> kSuitPrefix = {"", "Ch", "Bu", "Kr", "Pi"};
constexpr std::array<const char*, kRankCount> kRankCode = {"07", "08", "09", "10",
                                                           "2J", "3Q", "4K", "5A"};

}  // namespace

std::optional<QByteArray> PackVoiceSource::Find(const std::string& resource_name) {
  return LoadPackData(folders_, QString::fromLatin1(kPackVoice),
                      QString::fromStdString(resource_name), PackKind::kWav);
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
