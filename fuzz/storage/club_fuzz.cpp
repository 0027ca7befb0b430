// Any bytes as a club file. A file the reader accepts must write back byte for byte, show its
// tables, and stay acceptable after any member or a new player finishes a game: a club that a
// game makes unreadable would stop every later start of the program.
#include <string>

#include "fuzz_check.h"
#include "storage/champions.h"
#include "storage/club_file.h"
#include "storage/club_update.h"

namespace ostrel {
namespace {

void CheckStillSound(const ClubFile& club) {
  const std::string bytes = SerializeClubFile(club);
  const auto again = ParseClubFile(bytes);
  FUZZ_CHECK(again.has_value());
  FUZZ_CHECK(SerializeClubFile(*again) == bytes);
}

void PlayEveryMember(const ClubFile& club) {
  for (int seat = 1; seat <= kClubSeats; ++seat) {
    const ClubMember member = ReadMember(club, seat);
    if (member.empty) continue;
    FUZZ_CHECK(member.games >= 0);
    FUZZ_CHECK(member.rating >= -kRatingLimit && member.rating <= kRatingLimit);
    ClubPlayer player{seat,         member.name,        member.password_code,
                      member.games, member.cycle_score, member.rating};
    for (int difference : {-1000, 7, 1000}) {
      ClubFile copy = club;
      ClubGameResult result = FinishClubGame(copy, player, difference);
      FUZZ_CHECK(result.rating >= -kRatingLimit && result.rating <= kRatingLimit);
      CheckStillSound(copy);
    }
  }
}

}  // namespace
}  // namespace ostrel

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ostrel;
  const std::string_view bytes = fuzz::Bytes(data, size);
  // The first bytes also serve as a name typed at the login, against the initial club.
  const std::string_view name = bytes.substr(0, 24);
  LoginResult login = ClubLogin(InitialClubFile(), kNewPlayerSeat, name, "pw", "pw");
  if (login.error == LoginError::None) {
    ClubFile club = InitialClubFile();
    FinishClubGame(club, login.player, 100);
    CheckStillSound(club);
  }

  const auto club = ParseClubFile(bytes);
  if (!club) return 0;
  FUZZ_CHECK(SerializeClubFile(*club) == bytes);
  for (int view : {1, 2}) ShowChampions(*club, view);
  TopTenList(*club, false);
  PlayEveryMember(*club);
  return 0;
}
