// The world top ten lists, the chat and the statistics of the store.
#include <soci/soci.h>

#include "server/store/store.h"
#include "server/store/store_tx.h"

namespace ostrel::server {
namespace {

constexpr const char* kLineColumns = "score, nick, country, city, r07, r08, r09, r10";

// Several processes may write one PostgreSQL: new line ids are handed out one at a time.
// (SQLite's BEGIN IMMEDIATE already holds the whole database.)
void LockLines(soci::session& sql, bool postgres) {
  if (postgres) sql << "SELECT pg_advisory_xact_lock(25681)";
}

long long NextLineId(soci::session& sql) {
  long long id = 0;
  soci::indicator ind = soci::i_ok;
  sql << "SELECT MAX(id) FROM topten", soci::into(id, ind);
  return ind == soci::i_ok ? id + 1 : 1;
}

void InsertLine(soci::session& sql, long long id, const TopTenRow& r, std::int64_t now) {
  std::string key = NickKey(r.nick);
  long long created = now;
  sql << "INSERT INTO topten (id, gid, score, nick, nick_key, country, city, r07, r08, r09, r10,"
         " created) VALUES (:i, :g, :s, :n, :k, :c, :t, :a, :b, :d, :e, :w)",
      soci::use(id), soci::use(r.gid), soci::use(r.score), soci::use(r.nick), soci::use(key),
      soci::use(r.country), soci::use(r.city), soci::use(r.r07), soci::use(r.r08), soci::use(r.r09),
      soci::use(r.r10), soci::use(created);
}

// 1 + the lines of the list above the line (id, score).
int PlaceOf(soci::session& sql, int gid, long long id, int score) {
  long long above = 0;
  sql << "SELECT COUNT(*) FROM topten WHERE gid = :g AND (score > :s1 OR (score = :s2 AND"
         " id < :i))",
      soci::use(gid), soci::use(score), soci::use(score), soci::use(id), soci::into(above);
  return static_cast<int>(above) + 1;
}

std::vector<TopTenRow> SelectLines(soci::session& sql, int gid, int count, int offset) {
  const std::size_t n = BulkRows(count);
  std::vector<int> score(n);
  std::vector<std::string> nick(n), country(n), city(n), r07(n), r08(n), r09(n), r10(n);
  sql << std::string("SELECT ") + kLineColumns +
             " FROM topten WHERE gid = :g ORDER BY score DESC, id LIMIT " + LimitOf(count) +
             " OFFSET " + std::to_string(offset < 0 ? 0 : offset),
      soci::use(gid), soci::into(score), soci::into(nick), soci::into(country), soci::into(city),
      soci::into(r07), soci::into(r08), soci::into(r09), soci::into(r10);
  std::vector<TopTenRow> rows;
  for (std::size_t i = 0; i < score.size(); ++i) {
    rows.push_back({gid, score[i], nick[i], country[i], city[i], r07[i], r08[i], r09[i], r10[i],
                    offset + static_cast<int>(i) + 1});
  }
  return rows;
}

}  // namespace

int Store::AddTopTen(const TopTenRow& row, std::int64_t now) {
  soci::session sql(*pool_);
  Tx tx(sql, postgres_);
  LockLines(sql, postgres_);
  long long id = NextLineId(sql);
  InsertLine(sql, id, row, now);
  int place = PlaceOf(sql, row.gid, id, row.score);
  tx.Commit();
  return place;
}

int Store::AddChatMessage(TopTenRow row, std::int64_t now, int keep) {
  soci::session sql(*pool_);
  Tx tx(sql, postgres_);
  LockLines(sql, postgres_);
  int newest = 0;
  soci::indicator ind = soci::i_ok;
  sql << "SELECT MAX(score) FROM topten WHERE gid = :g", soci::use(row.gid),
      soci::into(newest, ind);
  row.score = ind == soci::i_ok ? newest + 1 : 1;
  InsertLine(sql, NextLineId(sql), row, now);
  int oldest_kept = row.score - keep;
  sql << "DELETE FROM topten WHERE gid = :g AND score <= :s", soci::use(row.gid),
      soci::use(oldest_kept);
  tx.Commit();
  return row.score;
}

std::vector<TopTenRow> Store::TopTen(int gid, int count) {
  soci::session sql(*pool_);
  return SelectLines(sql, gid, count, 0);
}

int Store::TopTenSize(int gid) {
  soci::session sql(*pool_);
  long long n = 0;
  sql << "SELECT COUNT(*) FROM topten WHERE gid = :g", soci::use(gid), soci::into(n);
  return static_cast<int>(n);
}

std::vector<TopTenRow> Store::TopTenNear(int gid, std::string_view nick, std::string_view city,
                                         int count) {
  soci::session sql(*pool_);
  std::string key = NickKey(nick);
  std::string c(city);
  long long id = 0;
  int score = 0;
  sql << "SELECT id, score FROM topten WHERE gid = :g AND nick_key = :k AND (:c1 = '' OR"
         " city = :c2) ORDER BY score DESC, id LIMIT 1",
      soci::use(gid), soci::use(key), soci::use(c), soci::use(c), soci::into(id), soci::into(score);
  if (!sql.got_data()) return {};
  const int place = PlaceOf(sql, gid, id, score);
  const int first = place - count / 2 < 1 ? 1 : place - count / 2;
  return SelectLines(sql, gid, count, first - 1);
}

std::optional<int> Store::PlaceOfLine(int gid, std::string_view nick, int score) {
  soci::session sql(*pool_);
  std::string key = NickKey(nick);
  long long id = 0;
  sql << "SELECT id FROM topten WHERE gid = :g AND nick_key = :k AND score = :s ORDER BY id DESC"
         " LIMIT 1",
      soci::use(gid), soci::use(key), soci::use(score), soci::into(id);
  if (!sql.got_data()) return std::nullopt;
  return PlaceOf(sql, gid, id, score);
}

StatsRow Store::ReadStats(int gid) {
  soci::session sql(*pool_);
  StatsRow r;
  auto& x = r.x;
  sql << "SELECT stat1, stat2, stat3, stat4, x1, x2, x3, x4, x5, x6, x7, x8, x9, x10, x11, x12"
         " FROM stats WHERE gid = :g",
      soci::use(gid), soci::into(r.stat1), soci::into(r.stat2), soci::into(r.stat3),
      soci::into(r.stat4), soci::into(x[0]), soci::into(x[1]), soci::into(x[2]), soci::into(x[3]),
      soci::into(x[4]), soci::into(x[5]), soci::into(x[6]), soci::into(x[7]), soci::into(x[8]),
      soci::into(x[9]), soci::into(x[10]), soci::into(x[11]);
  if (!sql.got_data()) return StatsRow{};
  return r;
}

void Store::AddStats(int gid, const StatsRow& a) {
  soci::session sql(*pool_);
  Tx tx(sql, postgres_);
  sql << "INSERT INTO stats VALUES (:g, 0, 0, 0, '#', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0)"
         " ON CONFLICT (gid) DO NOTHING",
      soci::use(gid);
  const auto& x = a.x;
  sql << "UPDATE stats SET stat1 = stat1 + :a, stat2 = stat2 + :b, stat3 = stat3 + :c,"
         " x1 = x1 + :x1, x2 = x2 + :x2, x3 = x3 + :x3, x4 = x4 + :x4, x5 = x5 + :x5,"
         " x6 = x6 + :x6, x7 = x7 + :x7, x8 = x8 + :x8, x9 = x9 + :x9, x10 = x10 + :x10,"
         " x11 = x11 + :x11, x12 = x12 + :x12 WHERE gid = :g",
      soci::use(a.stat1), soci::use(a.stat2), soci::use(a.stat3), soci::use(x[0]), soci::use(x[1]),
      soci::use(x[2]), soci::use(x[3]), soci::use(x[4]), soci::use(x[5]), soci::use(x[6]),
      soci::use(x[7]), soci::use(x[8]), soci::use(x[9]), soci::use(x[10]), soci::use(x[11]),
      soci::use(gid);
  if (!a.stat4.empty()) {
    sql << "UPDATE stats SET stat4 = :n WHERE gid = :g", soci::use(a.stat4), soci::use(gid);
  }
  tx.Commit();
}

}  // namespace ostrel::server
