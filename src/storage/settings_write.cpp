#include "storage/atomic_file.h"
#include "storage/settings.h"
#include "storage/text.h"

namespace ostrel {
namespace {

char Flag(bool on) {
  return on ? '1' : '0';
}

char LanguageCode(int language) {
  if (language >= 1 && language <= 9) return static_cast<char>('0' + language);
  if (language >= 10 && language <= 20) return static_cast<char>('a' + (language - 10));
  return '0';
}

char SoundMusicCode(bool sound, bool music) {
  if (sound && music) return '1';
  if (sound) return '2';
  if (music) return '3';
  return '0';
}

std::string GeneralFlags(const Settings& s) {
  std::string line(20, '#');
  line[0] = LanguageCode(s.Language);
  line[1] = SoundMusicCode(s.SoundOn, s.MusicOn);
  line[2] = Flag(s.GifAnimation);
  line[3] = Flag(s.FlyingCards);
  line[4] = s.ClubView == 2 ? '2' : '1';
  line[5] = Flag(s.Multiplayer);
  line[6] = Flag(s.RedCursor);
  line[7] = s.CardSpeed >= 1 && s.CardSpeed <= 6 ? static_cast<char>('0' + s.CardSpeed) : '4';
  if (s.WindowSize >= 1 && s.WindowSize <= 5) line[8] = static_cast<char>('0' + s.WindowSize);
  if (s.StartCounted) line[9] = 'R';
  if (s.Liked) line[10] = 'L';
  line[11] = s.RadioListFromServer ? '0' : '1';
  line[12] = std::to_string(s.TitleColour)[0];
  line[13] = Flag(s.NewButtons);
  line[14] = Flag(s.AuxDesignPurple);
  line[15] = s.AuxDesign >= 1 && s.AuxDesign <= 3 ? static_cast<char>('0' + s.AuxDesign) : '1';
  line[16] = s.MainMenuDesign == 1 ? '1' : '0';
  line[17] = s.TableDesign == 1 ? '1' : '0';
  line[18] = Flag(s.SaluteButtons);
  line[19] = Flag(s.SaluteCards);
  return line;
}

std::string RuleFlags(const Settings& s) {
  std::string line(6, '#');
  line[0] = s.TargetScore == 301 ? '1' : '2';
  line[1] = Flag(s.ChangeTrumpSeven);
  line[2] = Flag(s.BellaFirstHandOnly);
  line[3] = Flag(s.TrumpRequired);
  line[4] = Flag(s.MoveOnQueue);
  line[5] = Flag(s.CardOnFreza);
  return line;
}

// A text field in the file's code page; a line end inside it would shift every later line.
std::string TextLine(const std::string& utf8) {
  return OneLineText(ToCp1251Lossy(utf8));
}

// A text field whose line the reader needs at least `least` characters long (or exactly that
// many): anything else would stop the reading there and cost every later field, so the
// default goes in its place.
std::string NeededLine(const std::string& utf8, std::size_t least, const std::string& fallback,
                       bool exact = false) {
  std::string line = TextLine(utf8);
  const bool fits = exact ? line.size() == least : line.size() >= least;
  return fits ? line : TextLine(fallback);
}

std::string Background(const Settings& s) {
  std::string text = std::to_string(s.BackgroundPattern) + std::to_string(s.BackgroundColour);
  return text.size() == 2 ? "0" + text : text;
}

}  // namespace

std::vector<std::string> FormatSettings(const Settings& s) {
  const Settings d;  // the defaults
  return {
      "<# General>",
      GeneralFlags(s),
      "<# Cards>",
      std::to_string(s.CardFaces),
      "<# Decks>",
      ZeroPadded(s.DeckBack, 2) + Flag(s.AlwaysOneBack),
      "<# Individual>",
      RuleFlags(s),
      "<# Fonts>",
      NeededLine(s.FontLarge, 2, d.FontLarge),
      NeededLine(s.FontSmall, 2, d.FontSmall),
      NeededLine(s.FontSpecial1, 2, d.FontSpecial1),
      NeededLine(s.FontSpecial2, 2, d.FontSpecial2),
      std::to_string(s.ScaleLarge),
      std::to_string(s.ScaleSmall),
      std::to_string(s.ScaleSpecial1),
      std::to_string(s.ScaleSpecial2),
      "<# IP & Port>",
      NeededLine(s.ServerIp, 1, d.ServerIp),
      NeededLine(s.ServerPort, 1, d.ServerPort),
      "<# Background>",
      Background(s),
      "<# Name Of Player>",
      NeededLine(s.PlayerName, 1, d.PlayerName),
      "<# World Top Ten>",
      TextLine(s.TopTenAddress),
      TextLine(s.PassportNick),
      NeededLine(s.PassportCountry, 5, d.PassportCountry, true),
      TextLine(s.PassportCity),
      TextLine(s.PassportSex),
      TextLine(s.StatsAddress),
      "<# Save Games as GIF>",
      s.SaveGif ? "\xE8" : "\xEB",
      std::to_string(s.SaveGifArea),
      std::to_string(s.GifFrameDelay),
  };
}

Status SaveSettings(const std::string& path, const Settings& settings, MessagePort& port,
                    FileSystem& fs) {
  const std::string bytes = JoinCrLf(FormatSettings(settings));
  Status status = ReplaceFileAtomically(path, bytes, fs);
  if (!status.ok()) status = ReplaceFileAtomically(path, bytes, fs);
  if (!status.ok()) port.ShowError(PhraseKey::CantSaveOptions, status.message());
  return status;
}

}  // namespace ostrel
