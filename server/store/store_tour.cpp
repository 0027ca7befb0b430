// The tournament part of the store: the seats of the ten tables and the players' figures.
#include <soci/soci.h>

#include "server/store/store.h"
#include "server/store/store_tx.h"

namespace ostrel::server {
namespace {

constexpr const char* kSeatColumns =
    "tbl, seat, holder_key, nick, score, kon, rating, country, city, sex, ip, peer, taken";

TourSeats SelectSeats(soci::session& sql, bool for_update) {
  constexpr std::size_t kAll = kTourTableCount * kTourSeatCount;
  std::vector<int> tbl(kAll), seat(kAll), score(kAll), kon(kAll), rating(kAll);
  std::vector<std::string> holder(kAll), nick(kAll), country(kAll), city(kAll), sex(kAll), ip(kAll),
      peer(kAll);
  std::vector<long long> taken(kAll);
  sql << std::string("SELECT ") + kSeatColumns + " FROM tour_seats ORDER BY tbl, seat" +
             (for_update ? " FOR UPDATE" : ""),
      soci::into(tbl), soci::into(seat), soci::into(holder), soci::into(nick), soci::into(score),
      soci::into(kon), soci::into(rating), soci::into(country), soci::into(city), soci::into(sex),
      soci::into(ip), soci::into(peer), soci::into(taken);
  TourSeats seats;
  for (std::size_t i = 0; i < tbl.size(); ++i) {
    if (tbl[i] < 1 || tbl[i] > kTourTableCount || seat[i] < 1 || seat[i] > kTourSeatCount) {
      continue;
    }
    seats[static_cast<std::size_t>(tbl[i] - 1)][static_cast<std::size_t>(seat[i] - 1)] =
        SeatRow{holder[i], nick[i], score[i], kon[i],  rating[i], country[i],
                city[i],   sex[i],  ip[i],    peer[i], taken[i]};
  }
  return seats;
}

void UpdateSeat(soci::session& sql, int table, int seat, const SeatRow& s) {
  long long taken = s.taken;
  sql << "UPDATE tour_seats SET holder_key = :h, nick = :n, score = :s, kon = :k, rating = :r,"
         " country = :c, city = :t, sex = :x, ip = :i, peer = :p, taken = :w"
         " WHERE tbl = :tb AND seat = :se",
      soci::use(s.holder_key), soci::use(s.nick), soci::use(s.score), soci::use(s.kon),
      soci::use(s.rating), soci::use(s.country), soci::use(s.city), soci::use(s.sex),
      soci::use(s.ip), soci::use(s.peer), soci::use(taken), soci::use(table), soci::use(seat);
}

const char* ColumnName(TourColumn by) {
  switch (by) {
    case TourColumn::kRating:
      return "rating";
    case TourColumn::kKon:
      return "kon";
    case TourColumn::kScore:
      break;
  }
  return "score";
}

}  // namespace

TourSeats Store::ReadSeats() {
  soci::session sql(*pool_);
  return SelectSeats(sql, false);
}

int Store::ChangeSeats(const std::function<int(TourSeats&)>& change) {
  soci::session sql(*pool_);
  Tx tx(sql, postgres_);
  const TourSeats before = SelectSeats(sql, postgres_);
  TourSeats after = before;
  const int outcome = change(after);
  for (int t = 0; t < kTourTableCount; ++t) {
    for (int s = 0; s < kTourSeatCount; ++s) {
      const auto& a = after[static_cast<std::size_t>(t)][static_cast<std::size_t>(s)];
      if (a != before[static_cast<std::size_t>(t)][static_cast<std::size_t>(s)]) {
        UpdateSeat(sql, t + 1, s + 1, a);
      }
    }
  }
  tx.Commit();
  return outcome;
}

std::optional<TourFigures> Store::ReadTourFigures(std::string_view nick) {
  soci::session sql(*pool_);
  std::string key = NickKey(nick);
  TourFigures f;
  sql << "SELECT a.nick, t.score, t.kon, t.rating, a.country1, a.city FROM tour_players t JOIN"
         " accounts a ON a.nick_key = t.nick_key WHERE t.nick_key = :k",
      soci::use(key), soci::into(f.nick), soci::into(f.score), soci::into(f.kon),
      soci::into(f.rating), soci::into(f.country), soci::into(f.city);
  if (!sql.got_data()) return std::nullopt;
  return f;
}

bool Store::SaveTourFigures(std::string_view nick, int score, int kon, int rating) {
  soci::session sql(*pool_);
  Tx tx(sql, postgres_);
  std::string key = NickKey(nick);
  long long known = 0;
  sql << "SELECT COUNT(*) FROM accounts WHERE nick_key = :k", soci::use(key), soci::into(known);
  if (known == 0) return false;
  sql << "INSERT INTO tour_players (nick_key, score, kon, rating) VALUES (:k, :s, :n, :r)"
         " ON CONFLICT (nick_key) DO UPDATE SET score = excluded.score, kon = excluded.kon,"
         " rating = excluded.rating",
      soci::use(key), soci::use(score), soci::use(kon), soci::use(rating);
  tx.Commit();
  return true;
}

std::vector<TourFigures> Store::TourTop(TourColumn by, int count) {
  soci::session sql(*pool_);
  const std::size_t n = BulkRows(count);
  std::vector<std::string> nick(n);
  std::vector<int> score(n), kon(n), rating(n);
  std::vector<std::string> country(n), city(n);
  sql << std::string(
             "SELECT a.nick, t.score, t.kon, t.rating, a.country1, a.city FROM tour_players t JOIN "
             "accounts"
             " a ON a.nick_key = t.nick_key WHERE t.kon > 0 ORDER BY t.") +
             ColumnName(by) + " DESC, t.nick_key LIMIT " + LimitOf(count),
      soci::into(nick), soci::into(score), soci::into(kon), soci::into(rating), soci::into(country),
      soci::into(city);
  std::vector<TourFigures> lines;
  for (std::size_t i = 0; i < nick.size(); ++i) {
    lines.push_back({nick[i], score[i], kon[i], rating[i], country[i], city[i]});
  }
  return lines;
}

int Store::TourPlace(TourColumn by, int value) {
  soci::session sql(*pool_);
  long long above = 0;
  sql << std::string("SELECT COUNT(*) FROM tour_players WHERE kon > 0 AND ") + ColumnName(by) +
             " > :v",
      soci::use(value), soci::into(above);
  return static_cast<int>(above) + 1;
}

}  // namespace ostrel::server
