// The song player's rules against a stream that only writes down what it was asked to do.
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "media/song_player.h"

namespace ostrel {
namespace {

struct StreamLog {
  std::vector<std::string> calls;
  double volume = -1;
  bool ended = false;
};

class FakeStream : public SongStream {
 public:
  explicit FakeStream(StreamLog& log) : log_(log) {}
  void Open(const std::string& url) override {
    log_.ended = false;
    log_.calls.push_back("open " + url);
  }
  void Play() override { log_.calls.push_back("play"); }
  void Stop() override { log_.calls.push_back("stop"); }
  void SetVolume(double volume) override {
    log_.volume = volume;
    log_.calls.push_back("volume " + std::to_string(static_cast<int>(volume * 100 + 0.5)));
  }
  bool Ended() const override { return log_.ended; }

 private:
  StreamLog& log_;
};

constexpr const char* kSite = "http://songs.test";
constexpr const char* kList =
    "Ann~First.mp3\nBo_Dee~Second_Song.mp3\nCy~Third.mp3\nDi~Fourth.mp3\nEd~Fifth.mp3\n";

std::string Url(const char* line) {
  return std::string(kSite) + "/musik/" + line;
}

class SongPlayerTest : public ::testing::Test {
 protected:
  SongPlayerTest()
      : player_(ParseSongList(kList, kSite), std::make_unique<FakeStream>(log_),
                [this](int lo, int hi) {
                  asked_.emplace_back(lo, hi);
                  const int n = picks_.front();
                  picks_.pop_front();
                  return n;
                }) {}

  void StartWith(int n) {
    picks_.push_back(n);
    player_.Start();
    log_.calls.clear();
  }

  StreamLog log_;
  std::deque<int> picks_;
  std::vector<std::pair<int, int>> asked_;
  SongPlayer player_;
};

TEST_F(SongPlayerTest, StartLoadsARandomSongWithoutPlayingIt) {
  picks_ = {2};
  player_.Start();
  ASSERT_EQ(asked_.size(), 1u);
  EXPECT_EQ(asked_[0], std::make_pair(1, 5));
  EXPECT_EQ(log_.calls,
            (std::vector<std::string>{"open " + Url("Bo_Dee~Second_Song.mp3"), "volume 50"}));
  EXPECT_EQ(player_.State().N, 2);
  EXPECT_FALSE(player_.State().Play);
  EXPECT_EQ(player_.Hint().title, "Bo Dee");
  EXPECT_EQ(player_.Hint().text, "Second Song");
}

TEST_F(SongPlayerTest, ToggleFlipsBetweenPlayAndStopAndKeepsTheHint) {
  StartWith(3);
  player_.TogglePlay();
  EXPECT_TRUE(player_.State().Play);
  player_.TogglePlay();
  EXPECT_FALSE(player_.State().Play);
  EXPECT_EQ(log_.calls, (std::vector<std::string>{"play", "stop"}));
  EXPECT_EQ(player_.Hint().title, "Cy");
  EXPECT_EQ(player_.Hint().text, "Third");
}

TEST_F(SongPlayerTest, NextStopsOpensAndPlaysAnotherSong) {
  StartWith(1);
  picks_ = {5, 5};
  player_.Next();
  EXPECT_EQ(log_.calls,
            (std::vector<std::string>{"stop", "open " + Url("Ed~Fifth.mp3"), "volume 50", "play"}));
  EXPECT_TRUE(player_.State().Play);
  EXPECT_EQ(player_.State().N, 5);
  EXPECT_EQ(player_.Hint().title, "");
  EXPECT_EQ(player_.Hint().text, "Ed  :  Fifth");
  // The same song may come again; it starts from its beginning.
  log_.calls.clear();
  player_.Next();
  EXPECT_EQ(log_.calls,
            (std::vector<std::string>{"stop", "open " + Url("Ed~Fifth.mp3"), "volume 50", "play"}));
}

TEST_F(SongPlayerTest, VolumeButtonParts) {
  struct Case {
    int from;
    int x;
    int to;
  };
  const Case cases[] = {
      {50, 0, 50},  {50, 1, 45},  {50, 25, 45},   {50, 26, 50}, {50, 34, 50},
      {50, 35, 55}, {50, 60, 55}, {100, 35, 100}, {100, 1, 95}, {100, 0, 100},
      {0, 1, 0},    {0, 25, 0},   {0, 35, 5},     {0, 30, 0},
  };
  StartWith(1);
  for (const Case& c : cases) {
    while (player_.State().Volume < c.from) player_.VolumeReleased(40);
    while (player_.State().Volume > c.from) player_.VolumeReleased(10);
    log_.volume = -1;
    const bool changed = player_.VolumeReleased(c.x);
    SCOPED_TRACE("from " + std::to_string(c.from) + " at x " + std::to_string(c.x));
    EXPECT_EQ(player_.State().Volume, c.to);
    EXPECT_EQ(changed, c.to != c.from);
    // A change is heard at once; no change leaves the stream alone.
    EXPECT_DOUBLE_EQ(log_.volume, changed ? c.to / 100.0 : -1);
  }
}

TEST_F(SongPlayerTest, ANewSongKeepsTheChosenVolume) {
  StartWith(1);
  player_.VolumeReleased(5);
  player_.VolumeReleased(5);
  picks_ = {4};
  player_.Next();
  EXPECT_DOUBLE_EQ(log_.volume, 0.40);
}

TEST_F(SongPlayerTest, TimerStartsTheNextSongOnlyWhenAPlayingSongEnded) {
  StartWith(1);
  log_.ended = true;
  EXPECT_FALSE(player_.Tick()) << "stopped: the end of the song is not a reason to play";
  log_.ended = false;
  player_.TogglePlay();
  EXPECT_FALSE(player_.Tick()) << "still playing";
  log_.ended = true;
  picks_ = {4};
  log_.calls.clear();
  EXPECT_TRUE(player_.Tick());
  EXPECT_EQ(log_.calls, (std::vector<std::string>{"stop", "open " + Url("Di~Fourth.mp3"),
                                                  "volume 50", "play"}));
  EXPECT_EQ(player_.Hint().text, "Di  :  Fourth");
  EXPECT_FALSE(player_.Tick()) << "the new song has only just begun";
}

TEST_F(SongPlayerTest, AGeneratorOutsideTheListStaysInside) {
  StartWith(9);
  EXPECT_EQ(player_.State().N, 5);
  picks_ = {0};
  player_.Next();
  EXPECT_EQ(player_.State().N, 1);
}

}  // namespace
}  // namespace ostrel
