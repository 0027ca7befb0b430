// The radio's files: the station list, "TarvoRadio.ini" with the damage a user's disk can hold,
// and the radio folder.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>

#include "storage/radio_files.h"

namespace ostrel {
namespace {

TEST(RadioStationList, ReadsFieldsAndSkipsCommentsAndShortLines) {
  const std::string bytes =
      "# a comment RUS 0000001##Not a station#x#y#z\r\n"
      "RUS 0000001##First#Russian Federation#http://a.example/s#RRADIO_LOGO_A\r\n"
      "RUS 2\r\n"
      "UK0-0000002#ignored#Second#United Kingdom#http://b.example/s#RRADIO_LOGO_B#extra#more\r\n"
      "USA 0000003##\xC0\xE1\xE2#USA#http://u.example/\r\n"
      "<html><body>404 Not Found</body></html>\r\n"
      "USA 0000004##No address#USA\r\n"
      "FRA 00#0004##Bad identifier#France#http://c.example#L\r\n";
  const std::vector<RadioStation> stations = ParseStationList(bytes);
  ASSERT_EQ(stations.size(), 3u);
  EXPECT_EQ(stations[0], (RadioStation{"RUS", "0000001", "First", "Russian Federation",
                                       "http://a.example/s", "RRADIO_LOGO_A"}));
  EXPECT_EQ(stations[1], (RadioStation{"UK0", "0000002", "Second", "United Kingdom",
                                       "http://b.example/s", "RRADIO_LOGO_B"}));
  // Windows-1251 becomes UTF-8; a missing logo is empty.
  EXPECT_EQ(stations[2],
            (RadioStation{"USA", "0000003", "\u0410\u0431\u0432", "USA", "http://u.example/", ""}));
}

TEST(RadioStationList, WrittenListReadsBack) {
  const std::vector<RadioStation> stations = {
      {"RUS", "LOC0001", "Ostrel Radio", "Russian Federation", "http://127.0.0.1:1/r.ogg", "L1"},
      // A "#" or a line end in a field would break the line; they become spaces.
      {"SK0", "KOR0001", "A#B\nC", "South Korea", "http://x.example/", "L2"},
  };
  const std::vector<RadioStation> back = ParseStationList(StationListText(stations));
  ASSERT_EQ(back.size(), 2u);
  EXPECT_EQ(back[0], stations[0]);
  EXPECT_EQ(back[1].name, "A B C");
  EXPECT_EQ(back[1].logo, "L2");
}

TEST(RadioCountries, TableHasTwentyEightUniqueCodesWithFlags) {
  std::set<std::string> codes;
  for (const RadioCountry& c : RadioCountries()) {
    EXPECT_EQ(std::string(c.code).size(), 3u);
    EXPECT_TRUE(codes.insert(c.code).second) << c.code;
    EXPECT_GE(c.continent, 1);
    EXPECT_LE(c.continent, 5);
    EXPECT_GE(c.flag, 1);
  }
  EXPECT_STREQ(RadioCountries()[0].code, "RUS");
  EXPECT_STREQ(RadioCountries()[27].shown, "South Korea");
}

TRadio Defaults() {
  TRadio r;
  ResetRadioToDefaults(r);
  return r;
}

TEST(RadioSettings, ReadsTheSevenLines) {
  TRadio r;
  ReadRadioSettings("Jazz\r\nhttp://j.example/\r\nUSA\r\nRRADIO_LOGO_J\r\n1\r\n70\r\n12\r\n", r);
  EXPECT_EQ(r.Name, "Jazz");
  EXPECT_EQ(r.URL, "http://j.example/");
  EXPECT_EQ(r.Country, "USA");
  EXPECT_EQ(r.Resurs, "RRADIO_LOGO_J");
  EXPECT_TRUE(r.Enabled);
  EXPECT_EQ(r.Volume, 70);
  EXPECT_EQ(r.KakStations, 12);
  // What is written reads back the same.
  TRadio again;
  ReadRadioSettings(RadioSettingsText(r), again);
  EXPECT_EQ(again, r);
}

struct DamagedIni {
  const char* what;
  const char* bytes;
  bool enabled;
  int volume;
  int country;
  const char* name;  // nullptr: the default
};

class RadioSettingsDamage : public ::testing::TestWithParam<DamagedIni> {};

TEST_P(RadioSettingsDamage, FallsBackToDefaults) {
  const DamagedIni& c = GetParam();
  TRadio r;
  r.Name = "left over";
  r.Volume = 90;
  r.KakStations = 5;
  ReadRadioSettings(c.bytes, r);
  EXPECT_EQ(r.Enabled, c.enabled);
  EXPECT_EQ(r.Volume, c.volume);
  EXPECT_EQ(r.KakStations, c.country);
  EXPECT_EQ(r.Name, c.name ? c.name : kDefaultStationName);
  if (!c.name) {
    EXPECT_EQ(r.URL, kDefaultStationUrl);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RadioSettingsDamage,
    ::testing::Values(
        DamagedIni{"empty", "", false, 30, 0, nullptr},
        DamagedIni{"six lines", "N\r\nU\r\nC\r\nR\r\n1\r\n50\r\n", false, 30, 0, nullptr},
        DamagedIni{"volume text", "N\r\nU\r\nC\r\nR\r\n1\r\nloud\r\n3\r\n", true, 30, 3, "N"},
        DamagedIni{"volume 35", "N\r\nU\r\nC\r\nR\r\n1\r\n35\r\n3\r\n", true, 30, 3, "N"},
        DamagedIni{"volume 110", "N\r\nU\r\nC\r\nR\r\n0\r\n110\r\n3\r\n", false, 30, 3, "N"},
        DamagedIni{"volume -10", "N\r\nU\r\nC\r\nR\r\n0\r\n-10\r\n3\r\n", false, 30, 3, "N"},
        DamagedIni{"country 28", "N\r\nU\r\nC\r\nR\r\n1\r\n0\r\n28\r\n", true, 0, 0, "N"},
        DamagedIni{"country -1", "N\r\nU\r\nC\r\nR\r\n1\r\n100\r\n-1\r\n", true, 100, 0, "N"},
        DamagedIni{"country text", "N\nU\nC\nR\n1\n20\nx\n", true, 20, 0, "N"},
        DamagedIni{"enabled yes", "N\r\nU\r\nC\r\nR\r\nyes\r\n20\r\n2\r\n", false, 20, 2, "N"}),
    [](const auto& info) {
      std::string name = info.param.what;
      for (char& ch : name) {
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
      }
      return name;
    });

TEST(RadioSettings, AnEmptyStationLineIsWrittenBackWithAllDefaults) {
  for (int empty_line = 0; empty_line < 4; ++empty_line) {
    std::string lines[4] = {"N", "U", "C", "R"};
    lines[empty_line].clear();
    TRadio r;
    ReadRadioSettings(lines[0] + "\r\n" + lines[1] + "\r\n" + lines[2] + "\r\n" + lines[3] +
                          "\r\n1\r\n80\r\n9\r\n",
                      r);
    EXPECT_TRUE(r.Enabled);
    EXPECT_EQ(RadioSettingsText(r), RadioSettingsText(Defaults())) << empty_line;
    EXPECT_EQ(RadioSettingsText(r), std::string(kDefaultStationName) + "\r\n" + kDefaultStationUrl +
                                        "\r\n" + kDefaultStationCountry + "\r\n" +
                                        kDefaultStationLogo + "\r\n0\r\n30\r\n0\r\n");
  }
}

TEST(RadioFolder, IsTheFolderAboveTheProgramsOrTheRoot) {
  const std::pair<const char*, const char*> cases[] = {
      {"/home/u/Games/Ostrel4", "/home/u/Games/"},
      {"/home/u/Games/Ostrel4/", "/home/u/Games/"},
      {"/Ostrel4", "/"},
      {"/", "/"},
  };
  for (const auto& [program, folder] : cases) EXPECT_EQ(RadioFolder(program), folder) << program;
}

class RadioFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/ostrel-radio-XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    dir_ = tmpl;
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::string dir_;
};

TEST_F(RadioFileTest, SaveReplacesTheFileAndLoadReadsIt) {
  const std::string path = dir_ + "/TarvoRadio.ini";
  std::ofstream(path) << "old\r\n";
  TRadio r = Defaults();
  r.Name = "Jazz";
  r.Volume = 60;
  ASSERT_TRUE(SaveRadioSettings(path, r).ok());
  TRadio back;
  LoadRadioSettings(path, back);
  EXPECT_EQ(back.Name, "Jazz");
  EXPECT_EQ(back.Volume, 60);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 1);
}

TEST_F(RadioFileTest, MissingFilesGiveDefaultsAndNoList) {
  TRadio r;
  r.Name = "x";
  LoadRadioSettings(dir_ + "/TarvoRadio.ini", r);
  EXPECT_EQ(r, Defaults());
  EXPECT_FALSE(LoadStationList(dir_ + "/TarvoRadio.rad").has_value());
  // A folder where the list should be is no list either.
  std::filesystem::create_directory(dir_ + "/TarvoRadio.ser");
  EXPECT_FALSE(LoadStationList(dir_ + "/TarvoRadio.ser").has_value());
}

}  // namespace
}  // namespace ostrel
