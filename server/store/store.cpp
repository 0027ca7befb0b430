#include "server/store/store.h"

#include <soci/postgresql/soci-postgresql.h>
#include <soci/soci.h>
#include <soci/sqlite3/soci-sqlite3.h>
#include <chrono>
#include <map>
#include <mutex>

#include "server/store/schema.h"
#include "server/store/store_tx.h"

namespace ostrel::server {
namespace {

bool StartsWith(std::string_view s, std::string_view p) {
  return s.substr(0, p.size()) == p;
}

constexpr const char* kProfileColumns =
    "name1, name2, about, telephone, emailo, website, skype, ok, vk, telegram, facebook,"
    " twitter, instagramm, youtube";

}  // namespace

// Every account window that opens reads the rating list, which changes only when a rated
// record is saved. A database server answers the list's join and sort an order of magnitude
// slower than SQLite in the process answers it, so the list is kept for a second: a save in
// this process drops it at once, another process's save shows within the second.
struct Store::RatingListCache {
  static constexpr auto kKeep = std::chrono::seconds(1);
  // The prefixes are the client's; only a few are kept.
  static constexpr std::size_t kMaxPrefixes = 8;
  struct Entry {
    std::chrono::steady_clock::time_point at;
    int count = 0;
    std::vector<RatingLine> lines;
  };
  std::mutex mutex;
  std::map<std::string, Entry, std::less<>> by_prefix;
  std::uint64_t generation = 0;  // counts the saves; a read older than a save is not kept

  std::optional<std::vector<RatingLine>> Find(std::string_view prefix, int count,
                                              std::uint64_t* seen) {
    std::lock_guard lock(mutex);
    *seen = generation;
    const auto it = by_prefix.find(prefix);
    if (it == by_prefix.end() || it->second.count != count ||
        std::chrono::steady_clock::now() - it->second.at > kKeep) {
      return std::nullopt;
    }
    return it->second.lines;
  }
  void Keep(std::string_view prefix, int count, std::uint64_t seen,
            const std::vector<RatingLine>& lines) {
    std::lock_guard lock(mutex);
    if (seen != generation) return;
    if (by_prefix.size() >= kMaxPrefixes && !by_prefix.count(std::string(prefix))) {
      by_prefix.clear();
    }
    by_prefix[std::string(prefix)] = Entry{std::chrono::steady_clock::now(), count, lines};
  }
  void Drop() {
    std::lock_guard lock(mutex);
    ++generation;
    by_prefix.clear();
  }
};

std::string NickKey(std::string_view nick) {
  std::string key(nick);
  for (char& c : key) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return key;
}

Store::Store(const std::string& url, int connections)
    : rating_cache_(std::make_unique<RatingListCache>()), size_(connections < 1 ? 1 : connections) {
  postgres_ = StartsWith(url, "postgresql://") || StartsWith(url, "postgres://");
  std::string path = url;
  if (!postgres_ && StartsWith(path, "sqlite:")) path = path.substr(7);
  if (!postgres_ && (path.empty() || path.find_first_of(" '\"") != std::string::npos)) {
    throw StoreError("the SQLite path must be given and hold no spaces or quotes: " + path);
  }
  try {
    pool_ = std::make_unique<soci::connection_pool>(static_cast<std::size_t>(size_));
    for (int i = 0; i < size_; ++i) {
      soci::session& sql = pool_->at(static_cast<std::size_t>(i));
      if (postgres_) {
        sql.open(soci::postgresql, url);
      } else {
        sql.open(soci::sqlite3, "db=" + path);
        std::string mode;
        sql << "PRAGMA busy_timeout = 10000";
        sql << "PRAGMA journal_mode = WAL", soci::into(mode);
        // WAL with NORMAL survives the death of the process at any moment; only a power cut
        // may lose the last commits, never consistency.
        sql << "PRAGMA synchronous = NORMAL";
        sql << "PRAGMA foreign_keys = ON";
      }
    }
    Migrate();
  } catch (const StoreError&) {
    throw;
  } catch (const std::exception& e) {
    std::string what = e.what();
    if (auto nl = what.find('\n'); nl != std::string::npos) what.resize(nl);
    throw StoreError("cannot open the database: " + what);
  }
}

Store::~Store() = default;

void Store::Migrate() {
  soci::session sql(*pool_);
  sql << "CREATE TABLE IF NOT EXISTS schema_version (version INTEGER NOT NULL)";
  Tx tx(sql, postgres_);
  // Several processes may start at once on one PostgreSQL: one migrates, the others wait.
  if (postgres_) sql << "SELECT pg_advisory_xact_lock(25680)";
  long long version = 0;
  soci::indicator ind = soci::i_ok;
  sql << "SELECT MAX(version) FROM schema_version", soci::into(version, ind);
  if (ind != soci::i_ok) version = 0;
  const auto& migrations = SchemaMigrations();
  if (version > static_cast<long long>(migrations.size())) {
    throw StoreError("the database has schema version " + std::to_string(version) +
                     ", newer than this server knows");
  }
  for (auto n = static_cast<std::size_t>(version); n < migrations.size(); ++n) {
    for (const auto& statement : migrations[n]) sql << statement;
    int next = static_cast<int>(n + 1);
    sql << "INSERT INTO schema_version (version) VALUES (:v)", soci::use(next);
  }
  tx.Commit();
}

int Store::SchemaVersion() {
  soci::session sql(*pool_);
  long long version = 0;
  sql << "SELECT MAX(version) FROM schema_version", soci::into(version);
  return static_cast<int>(version);
}

bool Store::CreateAccount(const AccountRow& a, std::int64_t now,
                          const std::vector<std::string>& rated_prefixes) {
  soci::session sql(*pool_);
  Tx tx(sql, postgres_);
  std::string key = NickKey(a.nick);
  long long created = now;
  soci::statement insert =
      (sql.prepare << "INSERT INTO accounts (nick_key, nick, pw_hash, city, country1, country2,"
                      " sex, email, dater, r01, r02, r03, r04, r05, r06, created)"
                      " VALUES (:k, :n, :h, :c, :c1, :c2, :s, :e, :d, :r1, :r2, :r3, :r4, :r5,"
                      " :r6, :t) ON CONFLICT (nick_key) DO NOTHING",
       soci::use(key), soci::use(a.nick), soci::use(a.pw_hash), soci::use(a.city),
       soci::use(a.country1), soci::use(a.country2), soci::use(a.sex), soci::use(a.email),
       soci::use(a.dater), soci::use(a.r01), soci::use(a.r02), soci::use(a.r03), soci::use(a.r04),
       soci::use(a.r05), soci::use(a.r06), soci::use(created));
  insert.execute(true);
  if (insert.get_affected_rows() != 1) return false;
  sql << std::string("INSERT INTO profiles (nick_key, ") + kProfileColumns +
             ") VALUES (:k, '', '', '', '', '', '', '', '', '', '', '', '', '', '')",
      soci::use(key);
  for (const auto& prefix : rated_prefixes) {
    std::string p = prefix;
    sql << "INSERT INTO rated (nick_key, prefix, kon, best, rating, sessions, konl, score, r1,"
           " r2, open, open_konl, open_score) VALUES (:k, :p, 0, 0, 0, 0, 0, 0, 0, '#', 0, 0, 0)",
        soci::use(key), soci::use(p);
  }
  tx.Commit();
  return true;
}

std::optional<AccountRow> Store::FindAccount(std::string_view nick) {
  soci::session sql(*pool_);
  std::string key = NickKey(nick);
  AccountRow a;
  sql << "SELECT nick, pw_hash, city, country1, country2, sex, email, dater, r01, r02, r03,"
         " r04, r05, r06 FROM accounts WHERE nick_key = :k",
      soci::use(key), soci::into(a.nick), soci::into(a.pw_hash), soci::into(a.city),
      soci::into(a.country1), soci::into(a.country2), soci::into(a.sex), soci::into(a.email),
      soci::into(a.dater), soci::into(a.r01), soci::into(a.r02), soci::into(a.r03),
      soci::into(a.r04), soci::into(a.r05), soci::into(a.r06);
  if (!sql.got_data()) return std::nullopt;
  return a;
}

std::optional<LoginState> Store::FindLogin(std::string_view nick) {
  soci::session sql(*pool_);
  std::string key = NickKey(nick);
  LoginState s;
  long long locked = 0;
  sql << "SELECT nick, pw_hash, failures, locked_until FROM accounts WHERE nick_key = :k",
      soci::use(key), soci::into(s.nick), soci::into(s.pw_hash), soci::into(s.failures),
      soci::into(locked);
  if (!sql.got_data()) return std::nullopt;
  s.locked_until = locked;
  return s;
}

void Store::RecordWrongPassword(std::string_view nick, std::int64_t now, int lock_after,
                                std::int64_t lock_for) {
  soci::session sql(*pool_);
  Tx tx(sql, postgres_);
  std::string key = NickKey(nick);
  long long until = now + lock_for;
  int limit = lock_after;
  // The count starts again after a lock, so the next lock needs another full run of failures.
  // Each placeholder is used once: PostgreSQL's binding by name finds only the first.
  sql << "UPDATE accounts SET locked_until = CASE WHEN failures + 1 >= :l1 THEN :u"
         " ELSE locked_until END, failures = CASE WHEN failures + 1 >= :l2 THEN 0"
         " ELSE failures + 1 END WHERE nick_key = :k",
      soci::use(limit), soci::use(until), soci::use(limit), soci::use(key);
  tx.Commit();
}

void Store::ClearWrongPasswords(std::string_view nick) {
  soci::session sql(*pool_);
  std::string key = NickKey(nick);
  sql << "UPDATE accounts SET failures = 0 WHERE nick_key = :k AND failures <> 0", soci::use(key);
}

int Store::CountAccounts() {
  soci::session sql(*pool_);
  long long n = 0;
  sql << "SELECT COUNT(*) FROM accounts", soci::into(n);
  return static_cast<int>(n);
}

std::optional<ProfileRow> Store::ReadProfile(std::string_view nick) {
  soci::session sql(*pool_);
  std::string key = NickKey(nick);
  ProfileRow p;
  sql << std::string("SELECT ") + kProfileColumns + " FROM profiles WHERE nick_key = :k",
      soci::use(key), soci::into(p[0]), soci::into(p[1]), soci::into(p[2]), soci::into(p[3]),
      soci::into(p[4]), soci::into(p[5]), soci::into(p[6]), soci::into(p[7]), soci::into(p[8]),
      soci::into(p[9]), soci::into(p[10]), soci::into(p[11]), soci::into(p[12]), soci::into(p[13]);
  if (!sql.got_data()) return std::nullopt;
  return p;
}

bool Store::SaveProfile(std::string_view nick, const ProfileRow& p) {
  soci::session sql(*pool_);
  Tx tx(sql, postgres_);
  std::string key = NickKey(nick);
  soci::statement update =
      (sql.prepare << "UPDATE profiles SET name1 = :a0, name2 = :a1, about = :a2,"
                      " telephone = :a3, emailo = :a4, website = :a5, skype = :a6, ok = :a7,"
                      " vk = :a8, telegram = :a9, facebook = :a10, twitter = :a11,"
                      " instagramm = :a12, youtube = :a13 WHERE nick_key = :k",
       soci::use(p[0]), soci::use(p[1]), soci::use(p[2]), soci::use(p[3]), soci::use(p[4]),
       soci::use(p[5]), soci::use(p[6]), soci::use(p[7]), soci::use(p[8]), soci::use(p[9]),
       soci::use(p[10]), soci::use(p[11]), soci::use(p[12]), soci::use(p[13]), soci::use(key));
  update.execute(true);
  if (update.get_affected_rows() != 1) return false;
  tx.Commit();
  return true;
}

namespace {

constexpr const char* kRatedSelect =
    "SELECT kon, best, rating, sessions, konl, score, r1, r2, open, open_konl, open_score"
    " FROM rated WHERE nick_key = :k AND prefix = :p";

std::optional<RatedRow> SelectRated(soci::session& sql, const std::string& key,
                                    const std::string& prefix, bool for_update) {
  RatedRow r;
  int open = 0;
  sql << std::string(kRatedSelect) + (for_update ? " FOR UPDATE" : ""), soci::use(key),
      soci::use(prefix), soci::into(r.kon), soci::into(r.best), soci::into(r.rating),
      soci::into(r.sessions), soci::into(r.konl), soci::into(r.score), soci::into(r.r1),
      soci::into(r.r2), soci::into(open), soci::into(r.open_konl), soci::into(r.open_score);
  if (!sql.got_data()) return std::nullopt;
  r.open = open != 0;
  return r;
}

}  // namespace

std::optional<RatedRow> Store::ReadRated(std::string_view nick, std::string_view prefix) {
  soci::session sql(*pool_);
  return SelectRated(sql, NickKey(nick), std::string(prefix), false);
}

bool Store::UpdateRated(std::string_view nick, std::string_view prefix,
                        const std::function<std::optional<RatedRow>(const RatedRow&)>& decide) {
  soci::session sql(*pool_);
  Tx tx(sql, postgres_);
  std::string key = NickKey(nick);
  std::string p(prefix);
  // SQLite has no row locks; its BEGIN IMMEDIATE already holds the whole database.
  auto old = SelectRated(sql, key, p, postgres_);
  if (!old) return false;
  auto next = decide(*old);
  if (!next) return false;
  RatedRow n = *next;
  int open = n.open ? 1 : 0;
  sql << "UPDATE rated SET kon = :a, best = :b, rating = :c, sessions = :d, konl = :e,"
         " score = :f, r1 = :g, r2 = :h, open = :i, open_konl = :j, open_score = :l"
         " WHERE nick_key = :k AND prefix = :p",
      soci::use(n.kon), soci::use(n.best), soci::use(n.rating), soci::use(n.sessions),
      soci::use(n.konl), soci::use(n.score), soci::use(n.r1), soci::use(n.r2), soci::use(open),
      soci::use(n.open_konl), soci::use(n.open_score), soci::use(key), soci::use(p);
  tx.Commit();
  rating_cache_->Drop();
  return true;
}

std::vector<RatingLine> Store::RatingList(std::string_view prefix, int count) {
  std::uint64_t seen = 0;
  if (auto kept = rating_cache_->Find(prefix, count, &seen)) return std::move(*kept);
  soci::session sql(*pool_);
  std::string p(prefix);
  const std::size_t n = BulkRows(count);
  std::vector<std::string> nick(n), city(n), c1(n), c2(n), sex(n);
  std::vector<double> rating(n);
  sql << "SELECT a.nick, a.city, a.country1, a.country2, a.sex, r.rating FROM rated r"
         " JOIN accounts a ON a.nick_key = r.nick_key WHERE r.prefix = :p AND r.kon > 0"
         " ORDER BY r.rating DESC, r.nick_key LIMIT " +
             LimitOf(count),
      soci::use(p), soci::into(nick), soci::into(city), soci::into(c1), soci::into(c2),
      soci::into(sex), soci::into(rating);
  std::vector<RatingLine> lines;
  for (std::size_t i = 0; i < nick.size(); ++i) {
    lines.push_back({nick[i], city[i], c1[i], c2[i], sex[i], rating[i]});
  }
  rating_cache_->Keep(prefix, count, seen, lines);
  return lines;
}

int Store::RatingPlace(std::string_view prefix, double rating) {
  soci::session sql(*pool_);
  std::string p(prefix);
  long long above = 0;
  sql << "SELECT COUNT(*) FROM rated WHERE prefix = :p AND kon > 0 AND rating > :r", soci::use(p),
      soci::use(rating), soci::into(above);
  return static_cast<int>(above) + 1;
}

}  // namespace ostrel::server
