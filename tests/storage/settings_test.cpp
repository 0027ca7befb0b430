#include "storage/settings.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>

#include "storage/text.h"
#include "test_support.h"

namespace ostrel {
namespace {

using testing::FailingFileSystem;
using testing::FailStep;
using testing::ReadBytes;
using testing::RecordingPort;
using testing::TempFolder;
using testing::WriteBytes;

const ServiceAddresses kBuiltIn{"TOPTEN-CIPHER", "STATS-CIPHER"};

// Every field away from its default, so that a test can see which ones a file gave.
Settings Custom() {
  Settings s = DefaultSettings(kBuiltIn);
  s.Language = 7;
  s.SoundOn = false;
  s.MusicOn = true;
  s.GifAnimation = false;
  s.FlyingCards = false;
  s.RedCursor = false;
  s.NewButtons = true;
  s.ClubView = 2;
  s.Multiplayer = true;
  s.CardSpeed = 6;
  s.WindowSize = 4;
  s.StartCounted = false;
  s.Liked = false;
  s.RadioListFromServer = false;
  s.TitleColour = 7;
  s.AuxDesignPurple = true;
  s.AuxDesign = 3;
  s.MainMenuDesign = 1;
  s.TableDesign = 1;
  s.SaluteButtons = false;
  s.SaluteCards = false;
  s.CardFaces = 47;
  s.DeckBack = 12;
  s.AlwaysOneBack = true;
  s.TargetScore = 301;
  s.BellaFirstHandOnly = true;
  s.TrumpRequired = false;
  s.FontLarge = "DejaVu Sans";
  s.FontSmall = "Liberation Serif";
  s.FontSpecial1 = "Terminus";
  s.FontSpecial2 = "Liberation Mono";
  s.ScaleLarge = 50;
  s.ScaleSmall = 150;
  s.ScaleSpecial1 = 75;
  s.ScaleSpecial2 = 125;
  s.ServerIp = "192.168.1.20";
  s.ServerPort = "30000";
  s.BackgroundPattern = 10;
  s.BackgroundColour = 6;
  s.PlayerName = "Пётр Ильич";
  s.TopTenAddress = "OTHER-TOPTEN";
  s.PassportNick = "Sokol";
  s.PassportCountry = "6-054";
  s.PassportCity = "Cairo";
  s.PassportSex = "W";
  s.StatsAddress = "OTHER-STATS";
  s.SaveGif = true;
  s.SaveGifArea = 2;
  s.GifFrameDelay = 5000;
  return s;
}

std::vector<std::string> CustomLines() {
  return FormatSettings(Custom());
}

Settings Parse(const std::vector<std::string>& lines, bool* full = nullptr) {
  return ParseSettings(lines, kBuiltIn, full);
}

TEST(SettingsFile, DefaultsAreWrittenAsTheFileExpects) {
  const auto lines = FormatSettings(DefaultSettings());
  ASSERT_EQ(lines.size(), 35u);
  EXPECT_EQ(lines[0], "<# General>");
  EXPECT_EQ(lines[1], "011110141RL010020011");
  EXPECT_EQ(lines[3], "0");
  EXPECT_EQ(lines[5], "000");
  // The fixed rule options hold from the start: change-the-seven off, move-on-queue on,
  // card-on-the-freza off.
  EXPECT_EQ(lines[7], "200110");
  EXPECT_EQ(lines[9], "Comic Sans MS");
  EXPECT_EQ(lines[13], "100");
  EXPECT_EQ(lines[17], "<# IP & Port>");
  EXPECT_EQ(lines[18], "127.0.0.1");
  EXPECT_EQ(lines[19], "25666");
  EXPECT_EQ(lines[21], "020");
  EXPECT_EQ(lines[23], "Mr.X");
  EXPECT_EQ(lines[26], "Incognito");
  EXPECT_EQ(lines[27], "1-001");
  EXPECT_EQ(lines[29], "M");
  EXPECT_EQ(lines[31], "<# Save Games as GIF>");
  EXPECT_EQ(lines[32], "\xEB");
  EXPECT_EQ(lines[33], "1");
  EXPECT_EQ(lines[34], "1000");
}

TEST(SettingsFile, CustomValuesAreWrittenInTheirPositions) {
  const auto lines = CustomLines();
  EXPECT_EQ(lines[1], "730021064##171131100");
  EXPECT_EQ(lines[5], "121");
  EXPECT_EQ(lines[7], "101010");
  EXPECT_EQ(lines[21], "106");
  EXPECT_EQ(lines[23], "\xCF\xB8\xF2\xF0 \xC8\xEB\xFC\xE8\xF7");  // Windows-1251
  EXPECT_EQ(lines[32], "\xE8");
}

TEST(SettingsFile, RoundTripKeepsEveryField) {
  bool full = false;
  EXPECT_EQ(Parse(CustomLines(), &full), Custom());
  EXPECT_TRUE(full);
  EXPECT_EQ(Parse(FormatSettings(DefaultSettings(kBuiltIn))), DefaultSettings(kBuiltIn));
}

TEST(SettingsFile, FewerThan35LinesAreIgnoredEntirely) {
  auto lines = CustomLines();
  lines.pop_back();
  bool full = true;
  EXPECT_EQ(Parse(lines, &full), DefaultSettings(kBuiltIn));
  EXPECT_FALSE(full);
}

TEST(SettingsFile, LinesAfterThe35thAreIgnored) {
  auto lines = CustomLines();
  lines.push_back("extra");
  lines.push_back("");
  EXPECT_EQ(Parse(lines), Custom());
}

// One changed line, and what the reading makes of it compared with the custom settings.
struct LineCase {
  const char* name;
  int line;  // 1-based
  std::string text;
  std::function<void(Settings&)> expect;  // applied to Custom()
};

class SettingsLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(SettingsLine, GivesTheExpectedSettings) {
  const LineCase& c = GetParam();
  auto lines = CustomLines();
  lines[c.line - 1] = c.text;
  Settings expected = Custom();
  c.expect(expected);
  EXPECT_EQ(Parse(lines), expected);
}

// The fields of line 2 copied from one record to another.
void CopyGeneral(const Settings& from, Settings& to) {
  to.Language = from.Language, to.SoundOn = from.SoundOn, to.MusicOn = from.MusicOn;
  to.GifAnimation = from.GifAnimation, to.FlyingCards = from.FlyingCards;
  to.RedCursor = from.RedCursor, to.NewButtons = from.NewButtons, to.ClubView = from.ClubView;
  to.Multiplayer = from.Multiplayer, to.CardSpeed = from.CardSpeed;
  to.WindowSize = from.WindowSize, to.StartCounted = from.StartCounted, to.Liked = from.Liked;
  to.RadioListFromServer = from.RadioListFromServer, to.TitleColour = from.TitleColour;
  to.AuxDesignPurple = from.AuxDesignPurple, to.AuxDesign = from.AuxDesign;
  to.MainMenuDesign = from.MainMenuDesign, to.TableDesign = from.TableDesign;
  to.SaluteButtons = from.SaluteButtons, to.SaluteCards = from.SaluteCards;
}

// A reading that stopped at line 6: only lines 2 and 4 were used.
void OnlyLines2And4(Settings& s) {
  Settings read = DefaultSettings(kBuiltIn);
  CopyGeneral(s, read);
  read.CardFaces = s.CardFaces;
  s = read;
}

// A reading that stopped at line 15: lines 2 to 14 were used.
void UpToLine14(Settings& s) {
  const Settings d = DefaultSettings(kBuiltIn);
  s.ScaleSmall = d.ScaleSmall, s.ScaleSpecial1 = d.ScaleSpecial1;
  s.ScaleSpecial2 = d.ScaleSpecial2, s.ServerIp = d.ServerIp;
  s.ServerPort = d.ServerPort, s.BackgroundPattern = d.BackgroundPattern;
  s.BackgroundColour = d.BackgroundColour, s.PlayerName = d.PlayerName;
  s.TopTenAddress = d.TopTenAddress, s.PassportNick = d.PassportNick;
  s.PassportCountry = d.PassportCountry, s.PassportCity = d.PassportCity;
  s.PassportSex = d.PassportSex, s.StatsAddress = d.StatsAddress;
  s.SaveGif = d.SaveGif, s.SaveGifArea = d.SaveGifArea, s.GifFrameDelay = d.GifFrameDelay;
}

// A reading that stopped at line 28: lines 28 to 35 were not used.
void UpToLine27(Settings& s) {
  const Settings d = DefaultSettings(kBuiltIn);
  s.PassportCountry = d.PassportCountry, s.PassportCity = d.PassportCity;
  s.PassportSex = d.PassportSex, s.StatsAddress = d.StatsAddress;
  s.SaveGif = d.SaveGif, s.SaveGifArea = d.SaveGifArea, s.GifFrameDelay = d.GifFrameDelay;
}

void DefaultCountry(Settings& s) {
  s.PassportCountry = "1-001";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SettingsLine,
    ::testing::Values(
        LineCase{"ShortLine6StopsTheReading", 6, "3", OnlyLines2And4},
        LineCase{"Line2KAloneIsLanguage20", 2, "k",
                 [](Settings& s) {
                   CopyGeneral(DefaultSettings(kBuiltIn), s);
                   s.Language = 20;
                 }},
        LineCase{"UnknownLanguageLetterIsEnglish", 2, "z3",
                 [](Settings& s) {
                   CopyGeneral(DefaultSettings(kBuiltIn), s);
                   s.SoundOn = false;
                 }},
        LineCase{"Country52IsBeyondAsiaAndTheReadingGoesOn", 28, "2-052", DefaultCountry},
        LineCase{"CountryOfTheLastEuropeanRow", 28, "1-048",
                 [](Settings& s) { s.PassportCountry = "1-048"; }},
        LineCase{"CountryBeyondEurope", 28, "1-049", DefaultCountry},
        LineCase{"CountryWithoutHyphen", 28, "1x001", DefaultCountry},
        LineCase{"CountryOfNoContinent", 28, "7-001", DefaultCountry},
        LineCase{"CountryWithALetter", 28, "3-0a1", DefaultCountry},
        LineCase{"CountryLineOfFourStopsTheReading", 28, "1-01", UpToLine27},
        LineCase{"SexFBecomesM", 30, "F", [](Settings& s) { s.PassportSex = "M"; }},
        LineCase{"NickIsCutTo12", 27, "ABCDEFGHIJKLMNOP",
                 [](Settings& s) { s.PassportNick = "ABCDEFGHIJKL"; }},
        LineCase{"CardFacesNoNumberKeepsDefaultAndGoesOn", 4, "abc",
                 [](Settings& s) { s.CardFaces = 0; }},
        LineCase{"CardFacesOutOfRangeKeepsDefault", 4, "48", [](Settings& s) { s.CardFaces = 0; }},
        LineCase{"DeckBackNoNumberKeepsDefault", 6, "x#1", [](Settings& s) { s.DeckBack = 0; }},
        LineCase{"ScaleNoNumberKeepsDefaultAndGoesOn", 15, "x",
                 [](Settings& s) { s.ScaleSmall = 100; }},
        LineCase{"EmptyScaleStopsTheReading", 15, "", UpToLine14},
        LineCase{"BackgroundOutOfRangeKeepsDefaults", 22, "119",
                 [](Settings& s) {
                   s.BackgroundPattern = 2;
                   s.BackgroundColour = 0;
                 }},
        LineCase{"GifDelayNoNumberKeepsDefault", 35, "fast",
                 [](Settings& s) { s.GifFrameDelay = 1000; }},
        LineCase{"SaveGifOnlyForTheSingleByteE8", 33, "\xE8\xE8",
                 [](Settings& s) { s.SaveGif = false; }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SettingsFile, EmptyPlayerNameStopsBeforeTheWorldTopTen) {
  auto lines = CustomLines();
  lines[23] = "";
  bool full = true;
  Settings s = Parse(lines, &full);
  EXPECT_FALSE(full);
  EXPECT_EQ(s.PlayerName, "Mr.X");
  EXPECT_EQ(s.ServerIp, "192.168.1.20");
  EXPECT_EQ(s.PassportNick, "Incognito");
  EXPECT_EQ(s.TopTenAddress, "TOPTEN-CIPHER");
}

TEST(SettingsFile, ShortGeneralLineReadsOnlyItsPositions) {
  auto lines = FormatSettings(DefaultSettings(kBuiltIn));
  lines[1] = "032";  // English, music only, no gif animation
  Settings s = Parse(lines);
  EXPECT_FALSE(s.SoundOn);
  EXPECT_TRUE(s.MusicOn);
  EXPECT_TRUE(s.GifAnimation);  // "2" is not "0"
  EXPECT_EQ(s.CardSpeed, 4);
  EXPECT_TRUE(s.SaluteCards);
}

TEST(SettingsFile, SoundAndMusicShareOnePosition) {
  struct Case {
    char code;
    bool sound, music;
  };
  for (Case c : {Case{'0', false, false}, Case{'1', true, true}, Case{'2', true, false},
                 Case{'3', false, true}, Case{'4', true, true}, Case{'#', true, true}}) {
    auto lines = FormatSettings(DefaultSettings(kBuiltIn));
    lines[1] = std::string("0") + c.code;
    Settings s = Parse(lines);
    EXPECT_EQ(s.SoundOn, c.sound) << c.code;
    EXPECT_EQ(s.MusicOn, c.music) << c.code;
    if (c.code >= '0' && c.code <= '3') {
      EXPECT_EQ(FormatSettings(s)[1][1], c.code);
    }
  }
}

TEST(SettingsFile, LoadWithoutFileGivesDefaultsWithAPassport) {
  TempFolder folder;
  bool full = true;
  Settings s = LoadSettings(folder.File("Ostrel4.ini"), kBuiltIn, &full);
  EXPECT_FALSE(full);
  EXPECT_EQ(s, DefaultSettings(kBuiltIn));
  EXPECT_EQ(s.PassportNick, "Incognito");
  EXPECT_EQ(s.TopTenAddress, "TOPTEN-CIPHER");
  EXPECT_FALSE(s.ChangeTrumpSeven);
  EXPECT_TRUE(s.MoveOnQueue);
  EXPECT_FALSE(s.CardOnFreza);
  EXPECT_TRUE(folder.Entries().empty());  // reading never writes
}

TEST(SettingsFile, SaveThenLoadRoundTripsThroughTheDisk) {
  TempFolder folder;
  const std::string path = folder.File("Ostrel4.ini");
  RecordingPort port;
  ASSERT_TRUE(SaveSettings(path, Custom(), port).ok());
  EXPECT_TRUE(port.phrases.empty());
  const std::string bytes = ReadBytes(path);
  EXPECT_EQ(bytes.substr(0, 13), "<# General>\r\n");
  EXPECT_EQ(bytes.substr(bytes.size() - 8), "\r\n5000\r\n");
  EXPECT_EQ(LoadSettings(path, kBuiltIn), Custom());
}

TEST(SettingsFile, ASecondAttemptSavesAfterOneFailure) {
  TempFolder folder;
  const std::string path = folder.File("Ostrel4.ini");
  FailingFileSystem fs(FailStep::Rename, 1);
  RecordingPort port;
  EXPECT_TRUE(SaveSettings(path, Custom(), port, fs).ok());
  EXPECT_TRUE(port.phrases.empty());
  EXPECT_EQ(LoadSettings(path, kBuiltIn), Custom());
}

TEST(SettingsFile, TwoFailedAttemptsSayCantSaveOptionsAndKeepTheFile) {
  TempFolder folder;
  const std::string path = folder.File("Ostrel4.ini");
  WriteBytes(path, "old");
  FailingFileSystem fs(FailStep::Write, 2);
  RecordingPort port;
  EXPECT_FALSE(SaveSettings(path, Custom(), port, fs).ok());
  EXPECT_EQ(port.phrases, std::vector<PhraseKey>{PhraseKey::CantSaveOptions});
  EXPECT_EQ(ReadBytes(path), "old");
}

TEST(SettingsFile, ReadOnlyFileIsNotReplaced) {
  TempFolder folder;
  const std::string path = folder.File("Ostrel4.ini");
  WriteBytes(path, JoinCrLf(FormatSettings(DefaultSettings())));
  ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
  RecordingPort port;
  EXPECT_FALSE(SaveSettings(path, Custom(), port).ok());
  EXPECT_EQ(port.phrases, std::vector<PhraseKey>{PhraseKey::CantSaveOptions});
  EXPECT_EQ(LoadSettings(path), DefaultSettings());
}

// A file that exists but cannot be read is not a missing one: the run uses the defaults, but
// the settings in the file must survive the save at closing.
TEST(SettingsFile, AnUnreadableFileIsToldApartAndMustNotBeSavedOver) {
  TempFolder folder;
  const std::string path = folder.File("Ostrel4.ini");
  WriteBytes(path, JoinCrLf(CustomLines()));

  FailingFileSystem once(FailStep::Read, 1);  // the second attempt reads it
  SettingsLoad load = LoadSettingsFile(path, kBuiltIn, once);
  EXPECT_EQ(load.source, SettingsLoad::Source::File);
  EXPECT_EQ(load.settings, Custom());
  EXPECT_TRUE(load.may_save());

  FailingFileSystem twice(FailStep::Read, 2);
  load = LoadSettingsFile(path, kBuiltIn, twice);
  EXPECT_EQ(load.source, SettingsLoad::Source::Unreadable);
  EXPECT_FALSE(load.may_save());
  EXPECT_EQ(load.settings, DefaultSettings(kBuiltIn));
  EXPECT_NE(load.error.find("Ostrel4.ini"), std::string::npos) << load.error;

  load = LoadSettingsFile(folder.File("none.ini"), kBuiltIn);
  EXPECT_EQ(load.source, SettingsLoad::Source::NoFile);
  EXPECT_TRUE(load.may_save());
}

TEST(SettingsFile, AFileThatIsNoRegularFileIsUnreadableWithoutWaiting) {
  TempFolder folder;
  const std::string pipe = folder.File("Ostrel4.ini");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
  ::alarm(10);  // a reader that waited for a writer would hang here
  EXPECT_EQ(LoadSettingsFile(pipe, kBuiltIn).source, SettingsLoad::Source::Unreadable);
  ::alarm(0);
  const std::string zero = folder.File("zero.ini");
  ASSERT_EQ(::symlink("/dev/zero", zero.c_str()), 0);
  EXPECT_EQ(LoadSettingsFile(zero, kBuiltIn).source, SettingsLoad::Source::Unreadable);
}

// A text field too short for its line would stop the reading there and cost every later
// setting; it is written as its default instead.
TEST(SettingsFile, NoTextFieldCanCostTheFieldsAfterIt) {
  const std::vector<std::function<void(Settings&)>> emptied = {
      [](Settings& s) { s.FontLarge = "X"; },     [](Settings& s) { s.FontSpecial2 = ""; },
      [](Settings& s) { s.ServerIp = ""; },       [](Settings& s) { s.ServerPort = ""; },
      [](Settings& s) { s.PlayerName = ""; },     [](Settings& s) { s.PassportCountry = "1-1"; },
      [](Settings& s) { s.PlayerName = "\r\n"; },
  };
  for (std::size_t i = 0; i < emptied.size(); ++i) {
    Settings s = Custom();
    emptied[i](s);
    bool full = false;
    const Settings back = Parse(FormatSettings(s), &full);
    EXPECT_TRUE(full) << "case " << i;
    EXPECT_EQ(back.GifFrameDelay, 5000) << "case " << i;
    EXPECT_EQ(back.PassportCity, "Cairo") << "case " << i;
  }
}

TEST(SettingsFile, RuleOptionsCarryIntoANewGame) {
  RuleOptions rules = ToRuleOptions(Custom());
  EXPECT_EQ(rules.TargetScore, 301);
  EXPECT_TRUE(rules.BellaFirstHandOnly);
  EXPECT_FALSE(rules.TrumpRequired);
  EXPECT_FALSE(rules.CardOnFreza);
  EXPECT_FALSE(rules.ChangeTrumpSeven);
  EXPECT_TRUE(rules.MoveOnQueue);
  EXPECT_EQ(ToRuleOptions(DefaultSettings()).TargetScore, 501);
}

}  // namespace
}  // namespace ostrel
