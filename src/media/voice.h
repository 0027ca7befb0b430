// Spoken card names. The clips come from the voice pack "TarvoCVoice3.dll" under names such as
// "Ch4KVoiceEng" (king of hearts, English). Until the pack reader exists, the clips are plain
// WAV files of those names in a folder; a pack reader replaces the source.
#pragma once

#include <QByteArray>
#include <optional>
#include <string>

#include "game/cards.h"
#include "media/sound_player.h"

namespace ostrel {

inline constexpr const char* kVoicePackName = "TarvoCVoice3.dll";

// Where the clips of the voice are found by name.
class VoiceSource {
 public:
  virtual ~VoiceSource() = default;
  // The clip's bytes; nothing when the source has no clip of that name.
  virtual std::optional<QByteArray> Find(const std::string& resource_name) = 0;
};

// Plain files "<name>.wav" in a folder.
class FolderVoiceSource : public VoiceSource {
 public:
  explicit FolderVoiceSource(std::string folder) : folder_(std::move(folder)) {}
  std::optional<QByteArray> Find(const std::string& resource_name) override;

 private:
  std::string folder_;
};

// The folder the build writes the generated voice into.
std::string BuiltVoiceFolder();

// The card's picture name, "Voice" and the language's suffix: "Ch4KVoiceEng". Empty for the
// empty card or a code that is no card; a language outside 0..9 is taken as English.
std::string VoiceResourceName(CardCode card, int language);

class CardSpeaker {
 public:
  // A null source: no voice pack.
  CardSpeaker(SoundPlayer& player, VoiceSource* source) : player_(player), source_(source) {}

  // Speaks the card's name in the language. Nothing (false) when there is no voice pack or it
  // lacks the card; otherwise the milliseconds a waiting call holds the caller (0 in the
  // background mode).
  std::optional<int> SpeakCard(CardCode card, int language, bool wait);

 private:
  SoundPlayer& player_;
  VoiceSource* source_;
};

}  // namespace ostrel
