#include "server/service/tour.h"

#include "online/replies.h"

namespace ostrel::server {
namespace {

online::TTarvoClient ToClient(const SeatRow& s) {
  online::TTarvoClient c;
  if (s.Free()) return c;
  c.Nick = s.nick;
  c.Score = s.score;
  c.Kon = s.kon;
  c.Rating = s.rating;
  c.Country = s.country;
  c.City = s.city;
  c.Sex = s.sex.empty() ? 'M' : s.sex[0];
  c.IP = s.ip;
  return c;
}

TourColumn ColumnOf(online::TourKind kind) {
  switch (kind) {
    case online::TourKind::Rating:
      return TourColumn::kRating;
    case online::TourKind::Games:
      return TourColumn::kKon;
    case online::TourKind::Score:
      break;
  }
  return TourColumn::kScore;
}

bool InPlay(const std::array<SeatRow, kTourSeatCount>& table) {
  return !table[kTourSeatCount - 1].Free();
}

}  // namespace

bool IsLoopbackAddress(std::string_view peer) {
  return peer == "127.0.0.1" || peer == "::1";
}

void FreeSeatsFrom(std::array<SeatRow, kTourSeatCount>& table, int seat, bool include_last) {
  const int last = include_last ? kTourSeatCount : kTourSeatCount - 1;
  for (int k = seat; k <= last; ++k) table[static_cast<std::size_t>(k - 1)] = SeatRow{};
}

TourService::TourService(Store& store, Authenticator& auth, TourConfig config)
    : store_(store), auth_(auth), config_(std::move(config)) {}

std::optional<std::string> TourService::Reply(std::string_view body, const Caller& caller) {
  auto request = online::ParseRequest(online::ServiceGroup::Tour, body);
  if (!request) return std::string();
  return std::visit(
      [&](const auto& r) -> std::optional<std::string> {
        if constexpr (requires(TourService & s) { s.Handle(r, caller); }) {
          return Handle(r, caller);
        } else {
          return std::string();
        }
      },
      *request);
}

std::optional<std::string> TourService::Handle(const online::TourTablesRequest& r, const Caller&) {
  if (r.Gid != online::kGameCode) return std::string();
  const TourSeats seats = store_.ReadSeats();
  std::array<online::TTarvoTable_4, online::kTourTables> tables;
  for (int t = 0; t < online::kTourTables; ++t) {
    auto& table = tables[static_cast<std::size_t>(t)];
    table.IP = config_.address;
    const int bound = config_.ports[static_cast<std::size_t>(t)];
    table.Port = bound != 0 ? bound : config_.base_port + t + 1;
    for (int s = 0; s < kTourSeatCount; ++s) {
      table.Seats[static_cast<std::size_t>(s)] =
          ToClient(seats[static_cast<std::size_t>(t)][static_cast<std::size_t>(s)]);
    }
  }
  return online::BuildTourTables(tables);
}

std::optional<std::string> TourService::Handle(const online::TakeSeatRequest& r, const Caller& c) {
  if (r.Gid != online::kGameCode || r.Players != kTourSeatCount || r.Seat < 1 ||
      r.Seat > kTourSeatCount) {
    return online::BuildSeatResultReply(online::SeatResult::Failed);
  }
  std::string registered;
  switch (auth_.Check(r.Nick, r.Pw, c.peer, c.now, &registered)) {
    case AuthVerdict::kBusy:
      return std::nullopt;
    case AuthVerdict::kRefused:
      return online::BuildSeatResultReply(online::SeatResult::Failed);
    case AuthVerdict::kOk:
      break;
  }
  return online::BuildSeatResultReply(Take(r, NickKey(registered), c));
}

online::SeatResult TourService::Take(const online::TakeSeatRequest& r, const std::string& key,
                                     const Caller& c) {
  using online::SeatResult;
  const auto t = static_cast<std::size_t>(r.Table - 1);
  const auto k = static_cast<std::size_t>(r.Seat - 1);
  if (r.Action != online::SeatAction::Take) {
    // Giving up or clearing: only one's own seat (a free one is already clear), never seat 4,
    // never at a table in play; the seats behind go with it.
    return static_cast<SeatResult>(store_.ChangeSeats([&](TourSeats& seats) {
      auto& table = seats[t];
      if (table[k].Free() && r.Action == online::SeatAction::Clear) {
        return static_cast<int>(SeatResult::Seated);
      }
      if (table[k].holder_key != key || r.Seat == kTourSeatCount || InPlay(table)) {
        return static_cast<int>(SeatResult::Failed);
      }
      FreeSeatsFrom(table, r.Seat, false);
      return static_cast<int>(SeatResult::Seated);
    }));
  }
  if (NickKey(r.Player.Nick) != key) return SeatResult::Failed;
  auto account = store_.FindAccount(key);
  if (!account) return SeatResult::Failed;
  auto figures = store_.ReadTourFigures(key);
  SeatRow mine;
  mine.holder_key = key;
  mine.nick = account->nick;
  mine.score = figures ? figures->score : 0;
  mine.kon = figures ? figures->kon : 0;
  mine.rating = figures ? figures->rating : kInitialTourRating;
  mine.country = account->country1.empty() ? "X" : account->country1;
  mine.city = account->city;
  mine.sex = account->sex;
  mine.ip = c.peer;  // where the player really is, whatever the request says
  mine.peer = c.peer;
  mine.taken = c.now;
  return static_cast<SeatResult>(store_.ChangeSeats([&](TourSeats& seats) {
    auto& table = seats[t];
    if (!table[k].Free()) return static_cast<int>(SeatResult::Taken);
    for (std::size_t j = 0; j < k; ++j) {
      if (table[j].Free()) return static_cast<int>(SeatResult::Failed);  // seats go in order
    }
    for (const auto& other : seats) {
      for (const auto& s : other) {
        if (s.holder_key == key) return static_cast<int>(SeatResult::Failed);  // one seat each
      }
    }
    if (!IsLoopbackAddress(c.peer)) {
      for (const auto& s : table) {
        if (!s.Free() && s.peer == c.peer) return static_cast<int>(SeatResult::Failed);
      }
    }
    table[k] = mine;
    return static_cast<int>(SeatResult::Seated);
  }));
}

std::optional<std::string> TourService::Handle(const online::SeatReadRequest& r, const Caller&) {
  if (r.Gid != online::kGameCode || r.Seat < 1 || r.Seat > kTourSeatCount) return std::string();
  const TourSeats seats = store_.ReadSeats();
  return online::BuildSeatReply(
      ToClient(seats[static_cast<std::size_t>(r.Table - 1)][static_cast<std::size_t>(r.Seat - 1)]));
}

std::optional<std::string> TourService::Handle(const online::ServerStateRequest& r, const Caller&) {
  if (r.Gid != online::kGameCode) return std::string();
  return online::BuildServerStateReply({config_.running ? 'Y' : 'X', config_.message});
}

std::optional<std::string> TourService::Handle(const online::TourRatingRequest& r, const Caller&) {
  if (r.Gid != online::kGameCode) return std::string();
  if (auto f = store_.ReadTourFigures(r.Nick)) {
    return online::BuildTourRatingReply({f->score, f->kon, f->rating});
  }
  if (!store_.FindAccount(r.Nick)) return online::BuildRefusedReply();
  return online::BuildTourRatingReply({0, 0, kInitialTourRating});
}

std::optional<std::string> TourService::Handle(const online::TourTopTenRequest& r, const Caller&) {
  if (r.Gid != online::kGameCode) return std::string();
  const TourColumn by = ColumnOf(r.Kind);
  std::vector<online::TourTopLine> lines;
  int place = 0;
  for (const auto& f : store_.TourTop(by, 10)) {
    const int value = by == TourColumn::kScore    ? f.score
                      : by == TourColumn::kRating ? f.rating
                                                  : f.kon;
    lines.push_back({++place, f.nick, f.country.empty() ? "#" : f.country, f.city, value});
  }
  return online::BuildTourTopTen(lines);
}

std::optional<std::string> TourService::Handle(const online::TourPlaceRequest& r, const Caller&) {
  if (r.Gid != online::kGameCode) return std::string();
  return online::BuildNumberReply(store_.TourPlace(ColumnOf(r.Kind), r.Value));
}

}  // namespace ostrel::server
