#include <cstddef>

#include "game/cp1251.h"
#include "storage/settings.h"
#include "storage/text.h"

namespace ostrel {
namespace {

// A number from the text when it lies in [low, high]; nullopt keeps the field's default.
std::optional<int> InRange(std::string_view text, int low, int high) {
  auto value = ParseInteger(text);
  if (!value || *value < low || *value > high) return std::nullopt;
  return static_cast<int>(*value);
}

void TakeNumber(std::string_view text, int low, int high, int& field) {
  if (auto value = InRange(text, low, high)) field = *value;
}

int DigitValue(char c) {
  return c >= '0' && c <= '9' ? c - '0' : -1;
}

void ReadLanguage(char c, Settings& s) {
  if (c >= '1' && c <= '9') {
    s.Language = c - '0';
  } else if (c >= 'a' && c <= 'k') {
    s.Language = 10 + (c - 'a');
  } else {
    s.Language = 0;
  }
}

void ReadSoundMusic(char c, Settings& s) {
  if (c < '0' || c > '3') return;  // anything else keeps both
  s.SoundOn = c == '1' || c == '2';
  s.MusicOn = c == '1' || c == '3';
}

void ReadDigitInRange(char c, int low, int high, int& field) {
  int d = DigitValue(c);
  if (d >= low && d <= high) field = d;
}

void ReadZeroOne(char c, bool& field) {
  if (c == '0') field = false;
  if (c == '1') field = true;
}

// One position of the general flags line; positions count from 1.
void ApplyGeneralPosition(int pos, char c, Settings& s) {
  // clang-format off
  switch (pos) {
    case 1: ReadLanguage(c, s); break;
    case 2: ReadSoundMusic(c, s); break;
    case 3: s.GifAnimation = c != '0'; break;
    case 4: s.FlyingCards = c != '0'; break;
    case 5: s.ClubView = c == '2' ? 2 : 1; break;
    case 6: s.Multiplayer = c == '1'; break;
    case 7: s.RedCursor = c != '0'; break;
    case 8: ReadDigitInRange(c, 1, 6, s.CardSpeed); break;
    case 9: ReadDigitInRange(c, 1, 5, s.WindowSize); break;
    case 10: s.StartCounted = c == 'R'; break;
    case 11: s.Liked = c == 'L'; break;
    case 12: s.RadioListFromServer = c == '0'; break;
    case 13: ReadDigitInRange(c, 1, 7, s.TitleColour); break;
    case 14: s.NewButtons = c == '1'; break;
    case 15: s.AuxDesignPurple = c == '1'; break;
    case 16: ReadDigitInRange(c, 1, 3, s.AuxDesign); break;
    case 17: ReadDigitInRange(c, 0, 1, s.MainMenuDesign); break;
    case 18: ReadDigitInRange(c, 0, 1, s.TableDesign); break;
    case 19: ReadZeroOne(c, s.SaluteButtons); break;
    case 20: ReadZeroOne(c, s.SaluteCards); break;
    default: break;
  }
  // clang-format on
}

void ApplyRuleOptions(const std::string& line, Settings& s) {
  if (line.size() >= 1 && line[0] == '1') s.TargetScore = 301;
  if (line.size() >= 3 && line[2] == '1') s.BellaFirstHandOnly = true;
  if (line.size() >= 4 && line[3] == '0') s.TrumpRequired = false;
  s.ChangeTrumpSeven = false;
  s.MoveOnQueue = true;
  s.CardOnFreza = false;
}

void ApplyBackground(const std::string& line, Settings& s) {
  TakeNumber(std::string_view(line).substr(0, 2), 1, 10, s.BackgroundPattern);
  if (line.size() >= 3) ReadDigitInRange(line[2], 0, 6, s.BackgroundColour);
}

bool ValidCountry(const std::string& code) {
  static constexpr int kLastRow[] = {48, 51, 35, 14, 23, 54};
  int continent = DigitValue(code[0]);
  if (continent < 1 || continent > 6 || code[1] != '-') return false;
  for (std::size_t i = 2; i < 5; ++i) {
    if (DigitValue(code[i]) < 0) return false;
  }
  int row = std::stoi(code.substr(2));
  return row <= kLastRow[continent - 1];
}

std::string Text(const std::string& line, std::size_t max_bytes = std::string::npos) {
  return Cp1251ToUtf8(std::string_view(line).substr(0, max_bytes));
}

// Lines 26 to 35; false when the reading stopped early.
bool ReadWorldTopTen(const std::vector<std::string>& l, Settings& s) {
  if (!l[26].empty()) s.TopTenAddress = Text(l[26]);
  if (!l[27].empty()) s.PassportNick = Text(l[27], 12);
  if (l[28].size() != 5) return false;
  if (ValidCountry(l[28])) s.PassportCountry = l[28];
  if (!l[29].empty()) s.PassportCity = Text(l[29], 15);
  if (!l[30].empty()) s.PassportSex.assign(1, l[30][0] == 'W' ? 'W' : 'M');
  if (!l[31].empty()) s.StatsAddress = Text(l[31]);
  s.SaveGif = l[33] == "\xE8";
  TakeNumber(l[34], 1, 2, s.SaveGifArea);
  TakeNumber(l[35], 10, 5000, s.GifFrameDelay);
  return true;
}

// Lines 2 to 24; false when the reading stopped early.
bool ReadMain(const std::vector<std::string>& l, Settings& s) {
  for (std::size_t pos = 1; pos <= 20 && pos <= l[2].size(); ++pos) {
    ApplyGeneralPosition(static_cast<int>(pos), l[2][pos - 1], s);
  }
  TakeNumber(l[4], 0, 47, s.CardFaces);
  if (l[6].size() < 3) return false;
  TakeNumber(std::string_view(l[6]).substr(0, 2), 0, 12, s.DeckBack);
  s.AlwaysOneBack = l[6][2] == '1';
  ApplyRuleOptions(l[8], s);
  std::string* fonts[] = {&s.FontLarge, &s.FontSmall, &s.FontSpecial1, &s.FontSpecial2};
  for (int i = 0; i < 4; ++i) {
    if (l[10 + i].size() < 2) return false;
    *fonts[i] = Text(l[10 + i]);
  }
  int* scales[] = {&s.ScaleLarge, &s.ScaleSmall, &s.ScaleSpecial1, &s.ScaleSpecial2};
  for (int i = 0; i < 4; ++i) {
    if (l[14 + i].empty()) return false;
    TakeNumber(l[14 + i], 50, 150, *scales[i]);
  }
  if (l[19].empty()) return false;
  s.ServerIp = Text(l[19]);
  if (l[20].empty()) return false;
  s.ServerPort = Text(l[20]);
  if (l[22].empty()) return false;
  ApplyBackground(l[22], s);
  if (l[24].empty()) return false;
  s.PlayerName = Text(l[24]);
  return true;
}

}  // namespace

Settings DefaultSettings(const ServiceAddresses& built_in) {
  Settings s;
  s.TopTenAddress = built_in.TopTenAddress;
  s.StatsAddress = built_in.StatsAddress;
  return s;
}

Settings ParseSettings(const std::vector<std::string>& lines, const ServiceAddresses& built_in,
                       bool* full_read) {
  Settings s = DefaultSettings(built_in);
  if (full_read) *full_read = false;
  if (lines.size() < static_cast<std::size_t>(kSettingsLines)) return s;
  // Numbered from 1 as the file's lines are.
  std::vector<std::string> l(1);
  l.insert(l.end(), lines.begin(), lines.begin() + kSettingsLines);
  bool complete = ReadMain(l, s) && ReadWorldTopTen(l, s);
  if (full_read) *full_read = complete;
  return s;
}

SettingsLoad LoadSettingsFile(const std::string& path, const ServiceAddresses& built_in,
                              FileSystem& fs) {
  SettingsLoad load;
  load.settings = DefaultSettings(built_in);
  ReadOutcome read = fs.ReadFile(path, kMaxSettingsFileBytes);
  if (read.kind == ReadOutcome::Kind::Unreadable) read = fs.ReadFile(path, kMaxSettingsFileBytes);
  switch (read.kind) {
    case ReadOutcome::Kind::Missing:
      return load;
    case ReadOutcome::Kind::Unreadable:
    case ReadOutcome::Kind::TooLarge:
      load.source = SettingsLoad::Source::Unreadable;
      load.error = read.error;
      return load;
    case ReadOutcome::Kind::Read:
      break;
  }
  load.source = SettingsLoad::Source::File;
  load.settings = ParseSettings(SplitLines(read.bytes), built_in, &load.full_read);
  return load;
}

Settings LoadSettings(const std::string& path, const ServiceAddresses& built_in, bool* full_read) {
  SettingsLoad load = LoadSettingsFile(path, built_in);
  if (full_read) *full_read = load.full_read;
  return std::move(load.settings);
}

RuleOptions ToRuleOptions(const Settings& s) {
  RuleOptions rules;
  rules.TargetScore = s.TargetScore == 301 ? 301 : 501;
  rules.BellaFirstHandOnly = s.BellaFirstHandOnly;
  rules.TrumpRequired = s.TrumpRequired;
  rules.CardOnFreza = s.CardOnFreza;
  rules.ChangeTrumpSeven = s.ChangeTrumpSeven;
  rules.MoveOnQueue = s.MoveOnQueue;
  return rules;
}

}  // namespace ostrel
