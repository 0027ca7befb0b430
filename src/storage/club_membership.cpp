// Leaving a game early and changing the name: the club changes outside the end of a game.
#include "storage/club_session.h"
#include "storage/club_store.h"
#include "storage/club_update.h"
#include "storage/text.h"

namespace ostrel {

Status ClubSession::Replace(const ClubFile& changed, MessagePort& port) {
  if (!writable_) return Status::Error("the club file " + club_path_ + " cannot be written");
  Status saved = SaveClubFile(club_path_, changed, port, *fs_);
  if (saved.ok()) club_ = changed;
  return saved;
}

Status ClubSession::LeaveUnfinished(MessagePort& port) {
  if (!player_ || player_->seat < 1 || player_->seat > kClubSeats) {
    player_.reset();
    return Status::Ok();
  }
  ClubFile changed = club_;
  RemoveMember(changed, player_->seat);
  player_.reset();
  return Replace(changed, port);
}

Status ClubSession::Rename(std::string_view name, std::string_view password, MessagePort& port) {
  if (!player_ || player_->seat < 1 || player_->seat > kClubSeats) return Status::Ok();
  const int seat = player_->seat;
  ClubFile changed = club_;
  const ClubMember m = ReadMember(changed, seat);
  changed.lines[seat] = MemberLine(ToCp1251Lossy(name), m.rating, m.games, m.cycle_score,
                                   PasswordCode(ToCp1251Lossy(password)));
  Status saved = Replace(changed, port);
  if (saved.ok()) Login(seat, name, password, password);
  return saved;
}

}  // namespace ostrel
