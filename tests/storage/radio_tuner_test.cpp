// The radio's rules with a fake player: when the radio can be used, switching, volume, and the
// radio window's lists.
#include "storage/radio_tuner.h"

#include <gtest/gtest.h>

#include <set>

namespace ostrel {
namespace {

// Records what the radio asked of the audio library.
class FakePlayer : public RadioPlayer {
 public:
  void Play(const std::string& url) override { calls.push_back("play " + url); }
  void Stop() override { calls.push_back("stop"); }
  void SetVolume(double v) override {
    calls.push_back("volume " + std::to_string(static_cast<int>(v * 100 + 0.5)));
  }
  std::vector<std::string> calls;
};

const std::vector<RadioStation> kList = {
    {"RUS", "RUS0001", "Ostrel Radio", "Russian Federation", "http://local/r.ogg",
     "RRADIO_LOGO_AVTORADIO"},
    {"RUS", "RUS0002", "Volga", "Russian Federation", "http://volga/", "RRADIO_LOGO_VOLGA"},
    {"UK0", "UK00001", "Thames", "United Kingdom", "http://thames/", "RRADIO_LOGO_THAMES"},
    {"UK0", "UK00002", "Severn", "United Kingdom", "http://severn/", ""},
};

class RadioTunerTest : public ::testing::Test {
 protected:
  RadioTunerTest() : tuner(player, [this] { return list; }) {}

  void Usable(const std::string& ini = "") {
    RadioInitFacts facts;
    facts.logo_pack_found = true;
    facts.shipped_list_found = true;
    if (!ini.empty()) facts.settings = ini;
    tuner.Init(facts);
    ASSERT_TRUE(tuner.State().CanUse);
  }

  FakePlayer player;
  std::optional<std::vector<RadioStation>> list = kList;
  RadioTuner tuner;
};

struct InitCase {
  bool pack, from_server, download, shipped, can_use;
};

TEST_F(RadioTunerTest, InitDecidesWhetherTheRadioCanBeUsed) {
  const InitCase cases[] = {
      {true, false, false, true, true},
      {true, false, false, false, false},
      {false, false, false, true, false},
      {true, true, true, false, true},
      // The list from the server is wanted and the site gave none: the shipped list beside the
      // program does not make the radio available.
      {true, true, false, true, false},
      {false, true, true, true, false},
  };
  for (const InitCase& c : cases) {
    RadioInitFacts facts{c.pack, c.from_server, c.download, c.shipped,
                         "N\r\nU\r\nC\r\nR\r\n1\r\n50\r\n4\r\n"};
    tuner.Init(facts);
    EXPECT_EQ(tuner.State().CanUse, c.can_use);
    // Unusable, the radio is off whatever the file said; usable, the file is read.
    EXPECT_EQ(tuner.State().Enabled, c.can_use);
    EXPECT_EQ(tuner.Lamp(), c.can_use ? RadioLamp::kOn : RadioLamp::kUnavailable);
  }
  EXPECT_TRUE(player.calls.empty()) << "Init never touches the stream";
}

TEST_F(RadioTunerTest, SwitchingPlaysAndStopsOnlyWhenUsable) {
  RadioInitFacts none;
  tuner.Init(none);
  tuner.Toggle();
  EXPECT_FALSE(tuner.State().Enabled);
  EXPECT_FALSE(tuner.LeaveTitle());
  EXPECT_TRUE(player.calls.empty());

  Usable();
  EXPECT_FALSE(tuner.LeaveTitle()) << "the radio was left off";
  tuner.Toggle();
  tuner.Toggle();
  EXPECT_EQ(player.calls, (std::vector<std::string>{
                              "volume 30", "play " + std::string(kDefaultStationUrl), "stop"}));
  EXPECT_EQ(tuner.Lamp(), RadioLamp::kOff);
}

TEST_F(RadioTunerTest, RadioLeftOnPlaysWhenTheTitleScreenIsLeft) {
  Usable("Volga\r\nhttp://volga/\r\nRussian Federation\r\nR\r\n1\r\n70\r\n0\r\n");
  EXPECT_TRUE(tuner.LeaveTitle());
  EXPECT_EQ(player.calls, (std::vector<std::string>{"volume 70", "play http://volga/"}));
}

TEST_F(RadioTunerTest, VolumeStopsAtItsEndsAndIsAlwaysSetOnTheStream) {
  Usable("N\r\nU\r\nC\r\nR\r\n0\r\n100\r\n0\r\n");
  tuner.VolumeUp();
  EXPECT_EQ(tuner.State().Volume, 100);
  for (int i = 0; i < 11; ++i) tuner.VolumeDown();
  EXPECT_EQ(tuner.State().Volume, 0);
  tuner.VolumeUp();
  EXPECT_EQ(tuner.State().Volume, 10);
  ASSERT_EQ(player.calls.size(), 13u);
  EXPECT_EQ(player.calls.front(), "volume 100");
  EXPECT_EQ(player.calls[11], "volume 0");
  EXPECT_EQ(player.calls.back(), "volume 10");
}

TEST_F(RadioTunerTest, FirstCountryShowsItsStationsAndKeepsTheCurrentOne) {
  Usable();  // the default station, which the list holds under the first country
  tuner.FillStationList(0);
  ASSERT_EQ(tuner.Shown().size(), 2u);
  EXPECT_EQ(tuner.Shown()[1].name, "Volga");
  EXPECT_EQ(tuner.Selected(), 0);
  EXPECT_TRUE(player.calls.empty()) << "the current station is kept, nothing restarts";
}

TEST_F(RadioTunerTest, CurrentStationOutsideTheCountryGivesWayToItsFirst) {
  Usable("Volga\r\nhttp://volga/\r\nRussian Federation\r\nRRADIO_LOGO_VOLGA\r\n1\r\n40\r\n0\r\n");
  tuner.ChooseCountry(14);
  EXPECT_EQ(tuner.State().KakStations, 14);
  ASSERT_EQ(tuner.Shown().size(), 2u);
  EXPECT_EQ(tuner.Selected(), 0);
  EXPECT_EQ(tuner.State().Name, "Thames");
  EXPECT_EQ(tuner.State().Country, "United Kingdom");
  EXPECT_EQ(tuner.State().Resurs, "RRADIO_LOGO_THAMES");
  // The radio is on: the new station plays at once.
  EXPECT_EQ(player.calls, (std::vector<std::string>{"stop", "volume 40", "play http://thames/"}));

  tuner.ChooseStation(1);
  EXPECT_EQ(tuner.State().Name, "Severn");
  EXPECT_EQ(tuner.State().Resurs, kRadioFallbackLogo) << "a station without a logo";
}

TEST_F(RadioTunerTest, CountryWithoutStationsOrOutOfRangeShowsTheFirstCountry) {
  Usable("Thames\r\nhttp://thames/\r\nUnited Kingdom\r\nR\r\n0\r\n30\r\n14\r\n");
  for (int position : {27, 28, -1}) {
    tuner.FillStationList(position);
    EXPECT_EQ(tuner.State().KakStations, 0) << position;
    ASSERT_EQ(tuner.Shown().size(), 2u);
    EXPECT_EQ(tuner.Shown()[0].code, "RUS");
  }
  // The radio is off: the first station became current without playing.
  EXPECT_EQ(tuner.State().Name, "Ostrel Radio");
  EXPECT_EQ(player.calls, (std::vector<std::string>{"stop"}));
}

TEST_F(RadioTunerTest, UnreadableOrEmptyListChangesNothing) {
  Usable();
  tuner.FillStationList(0);
  list.reset();
  tuner.FillStationList(14);
  EXPECT_EQ(tuner.State().KakStations, 0);
  EXPECT_EQ(tuner.Shown().size(), 2u);
  list = std::vector<RadioStation>{};
  tuner.FillStationList(14);
  EXPECT_TRUE(tuner.Shown().empty());
  EXPECT_EQ(tuner.Selected(), -1);
  EXPECT_EQ(tuner.State().Name, kDefaultStationName);
  EXPECT_TRUE(player.calls.empty());
}

TEST(RadioPictures, VolumeScaleAndLogo) {
  const std::pair<int, const char*> volumes[] = {{0, "RRADIO_VOLUME00"},  {1, "RRADIO_VOLUME01"},
                                                 {10, "RRADIO_VOLUME01"}, {11, "RRADIO_VOLUME02"},
                                                 {90, "RRADIO_VOLUME09"}, {100, "RRADIO_VOLUME10"}};
  for (const auto& [volume, name] : volumes) EXPECT_EQ(VolumePictureName(volume), name);

  auto pack = [](std::set<std::string> names) {
    return [names](const std::string& n) { return names.count(n) > 0; };
  };
  EXPECT_EQ(LogoToDraw("L", pack({"L", kRadioFallbackLogo})), "L");
  EXPECT_EQ(LogoToDraw("L", pack({kRadioFallbackLogo})), kRadioFallbackLogo);
  EXPECT_EQ(LogoToDraw("L", pack({})), std::nullopt);
}

TEST(RadioControl, PlaceIsCentredAndRoundsHalvesToEven) {
  EXPECT_FALSE(PlaceRadioControl(1.59, 0, 800, 600, 400));
  // (100 + 541) / 2 - 110 = 210.5 -> 210; (601 + 400) / 2 - 62.5 = 438 exactly.
  const auto p = PlaceRadioControl(1.6, 100, 541, 601, 400);
  ASSERT_TRUE(p);
  EXPECT_EQ(p->left, 210);
  EXPECT_EQ(p->top, 438);
  // 211.5 -> 212; (600 + 400) / 2 - 62.5 = 437.5 -> 438.
  const auto q = PlaceRadioControl(2.0, 102, 541, 600, 400);
  EXPECT_EQ(q->left, 212);
  EXPECT_EQ(q->top, 438);
}

}  // namespace
}  // namespace ostrel
