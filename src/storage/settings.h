// The user's settings and the settings file "Ostrel4.ini": 35 positional lines of Windows-1251
// text with CR LF, the meaning of a line given by its place.
//
// Choices made where the file format leaves room:
// - The six World Top Ten fields (addresses, nick, country, city, sex) have their defaults from
//   the start, so a first start, a missing file or a reading that stops before line 24 still
//   leaves a usable passport ("Incognito", "1-001", "Moscow", "M") and the built-in addresses.
// - The three rule options this game fixes (ChangeTrumpSeven off, MoveOnQueue on, CardOnFreza
//   off) hold from the start, whether or not a file was read; the game plays by the same rules
//   on the first start as on every later one, and line 8 is always written the same way.
// - A line that should hold a number (lines 4, 6, 14-17, 22, 34, 35) but holds none, or holds
//   one outside the field's range, leaves that one field at its default and the reading goes
//   on: a damaged line never costs the other settings and never stops the program.
// Lines too short for their field stop the reading as the format says (everything before is
// used, everything from there on keeps its value). The writer therefore never writes a text
// field too short for its line (an emptied address, a one-letter font): such a field is
// written as its default, so that one field can never cost the ones after it.
// A file that exists but cannot be read is not a missing file: the defaults are used for the
// run, the user is told, and the file is not written over until a later run reads it.
#pragma once

#include <string>
#include <vector>

#include "game/game_record.h"
#include "storage/file_system.h"
#include "storage/message_port.h"
#include "storage/status.h"

namespace ostrel {

inline constexpr int kSettingsLines = 35;
inline constexpr const char* kSettingsFileName = "Ostrel4.ini";
// The file is about 400 bytes; anything much larger is not a settings file.
inline constexpr std::size_t kMaxSettingsFileBytes = 64u << 10;

// Text fields are UTF-8 in memory and Windows-1251 in the file.
struct Settings {
  int Language = 0;  // 0..9 in use; the file may carry up to 20 for other games of the family
  bool SoundOn = true;
  bool MusicOn = true;
  bool GifAnimation = true;
  bool FlyingCards = true;
  bool RedCursor = true;
  bool NewButtons = false;
  int ClubView = 1;
  bool Multiplayer = false;
  int CardSpeed = 4;
  int WindowSize = 1;
  bool StartCounted = true;
  bool Liked = true;
  bool RadioListFromServer = true;
  int TitleColour = 1;
  bool AuxDesignPurple = false;
  int AuxDesign = 2;
  int MainMenuDesign = 0;
  int TableDesign = 0;
  bool SaluteButtons = true;
  bool SaluteCards = true;
  int CardFaces = 0;
  int DeckBack = 0;
  bool AlwaysOneBack = false;

  int TargetScore = 501;
  bool ChangeTrumpSeven = false;
  bool BellaFirstHandOnly = false;
  bool TrumpRequired = true;
  bool MoveOnQueue = true;
  bool CardOnFreza = false;

  std::string FontLarge = "Comic Sans MS";
  std::string FontSmall = "Comic Sans MS";
  std::string FontSpecial1 = "FixedSys";
  std::string FontSpecial2 = "Courier New";
  int ScaleLarge = 100;
  int ScaleSmall = 100;
  int ScaleSpecial1 = 100;
  int ScaleSpecial2 = 100;

  std::string ServerIp = "127.0.0.1";
  std::string ServerPort = "25666";
  int BackgroundPattern = 2;
  int BackgroundColour = 0;
  std::string PlayerName = "Mr.X";

  // Kept enciphered as in the file; the online code derives the plain addresses.
  std::string TopTenAddress;
  std::string PassportNick = "Incognito";
  std::string PassportCountry = "1-001";
  std::string PassportCity = "Moscow";
  std::string PassportSex = "M";
  std::string StatsAddress;

  bool SaveGif = false;
  int SaveGifArea = 1;
  int GifFrameDelay = 1000;

  bool operator==(const Settings&) const = default;
};

// The built-in enciphered service addresses, supplied by the online code.
struct ServiceAddresses {
  std::string TopTenAddress;
  std::string StatsAddress;
};

Settings DefaultSettings(const ServiceAddresses& built_in = {});

// The settings a file's lines give, starting from the defaults. Fewer than 35 lines give the
// defaults; lines after the 35th are ignored. full_read tells whether the reading came to the
// end (only then may the service addresses be refreshed from the web service).
Settings ParseSettings(const std::vector<std::string>& lines, const ServiceAddresses& built_in,
                       bool* full_read = nullptr);

// The 35 lines, Windows-1251, without line ends.
std::vector<std::string> FormatSettings(const Settings& settings);

struct SettingsLoad {
  enum class Source {
    File,        // the settings come from the file (as far as its lines went)
    NoFile,      // there is no file: the defaults, saved at the usual moments
    Unreadable,  // the file could not be read twice over: the defaults for this run only
  };
  Settings settings;
  Source source = Source::NoFile;
  bool full_read = false;  // the reading came to its end
  std::string error;       // why the file could not be read

  // False while the file on disk holds settings this run could not read.
  bool may_save() const { return source != Source::Unreadable; }
};

// Reads the file (a second attempt after a failed one). Never shows a message; the caller
// tells the user about an unreadable file and does not save over it.
SettingsLoad LoadSettingsFile(const std::string& path, const ServiceAddresses& built_in = {},
                              FileSystem& fs = RealFileSystem());

// The settings of LoadSettingsFile alone: the defaults for a missing or unreadable file.
Settings LoadSettings(const std::string& path, const ServiceAddresses& built_in = {},
                      bool* full_read = nullptr);

// Two attempts; when both fail, "Can`t save options!" goes to the port and the file is left as
// it was. The caller does not save while the program is closing because a club file failed its
// start-up check.
Status SaveSettings(const std::string& path, const Settings& settings, MessagePort& port,
                    FileSystem& fs = RealFileSystem());

// The rule options of a new game.
RuleOptions ToRuleOptions(const Settings& settings);

}  // namespace ostrel
