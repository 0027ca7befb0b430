// Spoken card names. The clips come from the voice pack "TarvoCVoice3.dll" under names such as
// "Ch4KVoiceEng" (king of hearts, English), WAV entries of the family's pack container.
#pragma once

#include <QByteArray>
#include <optional>
#include <string>

#include "game/cards.h"
#include "media/sound_player.h"
#include "packs/pack_picture.h"

namespace ostrel {

// Where the clips of the voice are found by name.
class VoiceSource {
 public:
  virtual ~VoiceSource() = default;
  // The clip's bytes; nothing when the source has no clip of that name.
  virtual std::optional<QByteArray> Find(const std::string& resource_name) = 0;
};

// The voice pack "TarvoCVoice3.dll" in the program's folder, else in the folder above. The pack
// is opened for each clip and closed again, so a pack put in or taken away while the program
// runs counts from the next card on, and no file stays open between cards. A missing or
// damaged pack, or a clip that fails its check, is simply no clip: the cards stay silent
// without a message.
class PackVoiceSource : public VoiceSource {
 public:
  explicit PackVoiceSource(PackFolders folders) : folders_(std::move(folders)) {}
  std::optional<QByteArray> Find(const std::string& resource_name) override;

 private:
  PackFolders folders_;
};

// The card's picture name, "Voice" and the language's suffix: "Ch4KVoiceEng". Empty for the
// empty card or a code that is no card; a language outside 0..9 is taken as English.
std::string VoiceResourceName(CardCode card, int language);

class CardSpeaker {
 public:
  // A null source: no voice pack.
  CardSpeaker(SoundPlayer& player, VoiceSource* source) : player_(player), source_(source) {}

  // Speaks the card's name in the language. Nothing (false) when there is no voice pack, it
  // lacks the card or the clip is damaged (nothing plays then); otherwise the milliseconds a
  // waiting call holds the caller (0 in the background mode).
  std::optional<int> SpeakCard(CardCode card, int language, bool wait);

 private:
  SoundPlayer& player_;
  VoiceSource* source_;
};

}  // namespace ostrel
