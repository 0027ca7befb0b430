// Reading the site's song list: what each line gives, which lines count, and when there is a
// player at all.
#include <gtest/gtest.h>

#include <string>

#include "media/song_list.h"

namespace ostrel {
namespace {

constexpr const char* kSite = "http://songs.test";

struct LineCase {
  const char* name;
  const char* line;
  const char* artist;
  const char* song;
  const char* url;
};

class SongLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(SongLine, GivesArtistTitleAndAddress) {
  const LineCase& c = GetParam();
  const SongList list = ParseSongList(c.line, kSite);
  ASSERT_EQ(list.Max, 1);
  ASSERT_EQ(list.Artists.size(), 2u);  // [0] stays empty: song N is at [N]
  EXPECT_EQ(list.Artists[1], c.artist);
  EXPECT_EQ(list.Songs[1], c.song);
  EXPECT_EQ(list.URL[1], c.url);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SongLine,
    ::testing::Values(
        LineCase{"Underscores", "The_Hollow_Reeds~Rain_on_Tin.mp3", "The Hollow Reeds",
                 "Rain on Tin", "http://songs.test/musik/The_Hollow_Reeds~Rain_on_Tin.mp3"},
        LineCase{"UpperCaseExtension", "Mara~Lanterns.MP3", "Mara", "Lanterns",
                 "http://songs.test/musik/Mara~Lanterns.MP3"},
        LineCase{"NoExtension", "Mara~Lanterns", "Mara", "Lanterns",
                 "http://songs.test/musik/Mara~Lanterns"},
        LineCase{"CutAtTheExtension", "Mara~Live.mp3.part2", "Mara", "Live",
                 "http://songs.test/musik/Mara~Live.mp3.part2"},
        LineCase{"FirstTildeSeparates", "Duo~One~Two.mp3", "Duo", "One~Two",
                 "http://songs.test/musik/Duo~One~Two.mp3"},
        LineCase{"EncodesWhatAnAddressCannotHold", "Zo\xC3\xAB & Co~Song #1 (50%)?.mp3",
                 "Zo\xC3\xAB & Co", "Song #1 (50%)?",
                 "http://songs.test/musik/"
                 "Zo%C3%AB%20%26%20Co~Song%20%231%20%2850%25%29%3F.mp3"},
        LineCase{"EmptyArtist", "~Alone.mp3", "", "Alone", "http://songs.test/musik/~Alone.mp3"}),
    [](const ::testing::TestParamInfo<LineCase>& info) { return std::string(info.param.name); });

std::string Lines(int count, const char* end = "\n") {
  std::string text;
  for (int i = 1; i <= count; ++i)
    text += "Artist_" + std::to_string(i) + "~t" + std::to_string(i) + ".mp3" + end;
  return text;
}

TEST(SongList, CrLfLinesLeaveNoCarriageReturn) {
  const SongList list = ParseSongList(Lines(5, "\r\n"), kSite);
  ASSERT_EQ(list.Max, 5);
  EXPECT_EQ(list.Songs[5], "t5");
  EXPECT_EQ(list.URL[5], "http://songs.test/musik/Artist_5~t5.mp3");
  EXPECT_EQ(list.Artists[1], "Artist 1");
}

TEST(SongList, EmptyLinesAndLinesWithoutTildeAreLeftOut) {
  const std::string text =
      "\xEF\xBB\xBF<html>\r\n"
      "A~one.mp3\n"
      "\n"
      "\r\n"
      "just a file.mp3\n"
      "B~two.mp3";  // the last line needs no line end
  const SongList list = ParseSongList(text, kSite);
  ASSERT_EQ(list.Max, 2);
  EXPECT_EQ(list.Artists[1], "A");
  EXPECT_EQ(list.Songs[2], "two");
  EXPECT_EQ(list.URL.size(), 3u);
}

TEST(SongList, KeepsTheFirstThousandSongs) {
  const SongList list = ParseSongList(Lines(1200), kSite);
  EXPECT_EQ(list.Max, kMaxSongs);
  ASSERT_EQ(list.Songs.size(), static_cast<std::size_t>(kMaxSongs) + 1);
  EXPECT_EQ(list.Songs[1000], "t1000");
  EXPECT_TRUE(list.Create);
}

TEST(SongList, PlayerOnlyForMoreThanFourSongs) {
  struct Case {
    std::string text;
    bool create;
  };
  const Case cases[] = {
      {"", false},
      {Lines(4), false},
      {Lines(5), true},
      {Lines(4) + "not a song\n\n", false},
      {Lines(4, "\r\n") + "E~five.mp3\r\n", true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParseSongList(c.text, kSite).Create, c.create) << c.text;
  }
}

TEST(SongList, SiteWithOrWithoutTrailingSlash) {
  EXPECT_EQ(PlaylistUrl(""), "");
  EXPECT_EQ(PlaylistUrl("http://songs.test"), "http://songs.test/musik/_playlist.html");
  EXPECT_EQ(PlaylistUrl("http://songs.test/"), "http://songs.test/musik/_playlist.html");
  EXPECT_EQ(ParseSongList("A~b.mp3", "http://songs.test/").URL[1],
            "http://songs.test/musik/A~b.mp3");
}

}  // namespace
}  // namespace ostrel
