// The window applies the user's locale, and under many of them (German, Russian, ...) the
// decimal mark is a comma. Every number of a file must read and write the same there: a
// reader that followed the locale would take the club's "1.490740" for 1 and drop the
// rating's fraction at every start.
#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "storage/champions.h"
#include "storage/club_file.h"
#include "storage/club_session.h"
#include "storage/club_update.h"
#include "storage/history.h"
#include "storage/settings.h"
#include "storage/text.h"
#include "test_support.h"

namespace ostrel {
namespace {

using testing::RecordingPort;
using testing::TempFolder;
using testing::WriteBytes;

class CommaDecimalLocale : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "ru_RU.UTF-8", "fr_FR.UTF-8"}) {
      if (std::setlocale(LC_ALL, name) != nullptr &&
          std::string(std::localeconv()->decimal_point) == ",") {
        return;
      }
    }
    std::setlocale(LC_ALL, "C");
    GTEST_SKIP() << "no comma-decimal locale is installed; tools/bootstrap.sh generates "
                    "de_DE.UTF-8";
  }
  void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

TEST_F(CommaDecimalLocale, RatingsReadAndWriteAsInTheCLocale) {
  struct Case {
    const char* text;
    double value;
  };
  for (Case c : {Case{"  1,490740", 1.49074}, Case{"  1.490740", 1.49074}, Case{" -0,500000", -0.5},
                 Case{" 99,990000", 99.99}}) {
    EXPECT_DOUBLE_EQ(ParseClubRating(c.text).value_or(0), c.value) << c.text;
  }
  EXPECT_EQ(ClubRatingText(1.49074), "  1,490740");
  EXPECT_EQ(HistoryRatingText(-1.5), "     -1,50");
  EXPECT_EQ(DecimalText(2.25, 2, ','), "2,25");
  EXPECT_DOUBLE_EQ(ParseDecimal("3.75", '.').value_or(0), 3.75);
}

TEST_F(CommaDecimalLocale, AClubMembersRatingKeepsItsFraction) {
  ClubFile club = InitialClubFile();
  club.lines[1] = MemberLine("Anna", 1.49074, 27, 40, PasswordCode("pw"));
  const auto read = ParseClubFile(SerializeClubFile(club));
  ASSERT_TRUE(read.has_value());
  EXPECT_DOUBLE_EQ(ReadMember(*read, 1).rating, 1.49074);
  EXPECT_EQ(ShowChampions(*read, 2).rows[1].rest, "       27    1,49");
  // The next game starts from the rating with its fraction.
  ClubPlayer anna = ClubLogin(*read, 1, "Anna", "pw", "pw").player;
  EXPECT_DOUBLE_EQ(anna.rating, 1.49074);
  EXPECT_DOUBLE_EQ(NextRating(anna.games, anna.rating, 0), 1.437499);
}

TEST_F(CommaDecimalLocale, AGameRecordedAndReadBackKeepsTheRating) {
  TempFolder home;
  const std::string club = SerializeClubFile(InitialClubFile());
  WriteBytes(home.File(kLocalClubFileName), club);
  RecordingPort port;
  std::string error;
  auto session = ClubSession::Open(home.path(), false, &error);
  ASSERT_TRUE(session) << error;
  ASSERT_EQ(session->LoginByName("Anna", "").error, LoginError::None);
  session->RecordFinishedGame(30, port);  // rating 1.5
  session->RecordFinishedGame(0, port);   // rating 0.75
  auto again = ClubSession::Open(home.path(), false, &error);
  ASSERT_TRUE(again) << error;
  ASSERT_EQ(again->LoginByName("Anna", "").error, LoginError::None);
  EXPECT_DOUBLE_EQ(again->player()->rating, 0.75);
}

TEST_F(CommaDecimalLocale, SettingsReadTheirNumbers) {
  Settings s = DefaultSettings();
  s.ScaleLarge = 125;
  s.GifFrameDelay = 250;
  s.CardFaces = 12;
  EXPECT_EQ(ParseSettings(FormatSettings(s), {}), s);
}

}  // namespace
}  // namespace ostrel
