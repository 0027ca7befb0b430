// The server's database: accounts, profiles and rated records on SQLite or PostgreSQL through
// SOCI. Every change runs in one transaction; every query is parameterised. Texts are UTF-8.
// Safe to use from several threads: each call takes a connection of the pool for its time.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace soci {
class connection_pool;
class session;
}  // namespace soci

namespace ostrel::server {

struct AccountRow {
  std::string nick;  // as registered; lookups ignore the case of Latin letters
  std::string pw_hash;
  std::string city, country1, country2, sex, email, dater;
  std::string r01, r02, r03;
  int r04 = 0, r05 = 0, r06 = 0;
};

inline constexpr int kProfileTexts = 14;
using ProfileRow = std::array<std::string, kProfileTexts>;

// One account's record of rated games of one game. While a game that was started is not yet
// finished, `open` holds, and open_konl/open_score keep the cycle as it stood before it.
struct RatedRow {
  int kon = 0, best = 0, sessions = 0, konl = 0, score = 0, r1 = 0;
  double rating = 0;
  std::string r2 = "#";
  bool open = false;
  int open_konl = 0, open_score = 0;
  friend bool operator==(const RatedRow&, const RatedRow&) = default;
};

struct RatingLine {
  std::string nick, city, country1, country2, sex;
  double rating = 0;
};

// A line of a world top ten list, or a chat message (score = its number).
struct TopTenRow {
  int gid = 0;
  int score = 0;
  std::string nick, country, city, r07 = "#", r08 = "#", r09 = "#", r10 = "#";
  int place = 0;  // filled by the reads
};

// The statistics of one game: starts, unique starts, likes, the last like's nick and the
// twelve result counters.
struct StatsRow {
  long long stat1 = 0, stat2 = 0, stat3 = 0;
  std::string stat4 = "#";
  std::array<long long, 12> x{};
};

inline constexpr int kTourTableCount = 10;
inline constexpr int kTourSeatCount = 4;

// A seat of a tournament table; holder_key is empty for a free seat.
struct SeatRow {
  std::string holder_key;
  std::string nick = "X";
  int score = 0, kon = 0, rating = 0;
  std::string country = "X", city = "X", sex = "X", ip = "X";
  std::string peer;        // the address the seat was taken from
  std::int64_t taken = 0;  // unix seconds
  bool Free() const { return holder_key.empty(); }
  friend bool operator==(const SeatRow&, const SeatRow&) = default;
};
using TourSeats = std::array<std::array<SeatRow, kTourSeatCount>, kTourTableCount>;

struct TourFigures {
  std::string nick;  // as registered
  int score = 0, kon = 0, rating = 0;
  std::string country, city;  // the account's short country name and city
};
enum class TourColumn { kScore, kRating, kKon };

// The state that decides whether a password may be tried for an account.
struct LoginState {
  std::string nick;  // as registered
  std::string pw_hash;
  int failures = 0;               // wrong passwords in a row
  std::int64_t locked_until = 0;  // unix seconds
};

class StoreError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Store {
 public:
  // url: "sqlite:PATH" (or a plain path) or "postgresql://..." (libpq's URI; "postgresql://"
  // alone takes everything from PGHOST, PGPORT, PGDATABASE...). Brings the schema to the
  // newest version. Throws StoreError with a one-line reason.
  Store(const std::string& url, int connections);
  ~Store();
  Store(const Store&) = delete;
  Store& operator=(const Store&) = delete;

  bool IsPostgres() const { return postgres_; }
  int SchemaVersion();

  // Creates the account with an empty profile and empty rated records for the given prefixes.
  // False when the nick (in any case) is taken; two racing creations of one nick: one wins.
  bool CreateAccount(const AccountRow& account, std::int64_t now,
                     const std::vector<std::string>& rated_prefixes);
  std::optional<AccountRow> FindAccount(std::string_view nick);
  std::optional<LoginState> FindLogin(std::string_view nick);
  // One more wrong password; at `lock_after` in a row the account locks until now + lock_for.
  void RecordWrongPassword(std::string_view nick, std::int64_t now, int lock_after,
                           std::int64_t lock_for);
  void ClearWrongPasswords(std::string_view nick);
  int CountAccounts();

  std::optional<ProfileRow> ReadProfile(std::string_view nick);
  bool SaveProfile(std::string_view nick, const ProfileRow& profile);

  std::optional<RatedRow> ReadRated(std::string_view nick, std::string_view prefix);
  // Reads the record under a write lock, asks `decide` for the new one and stores it, all in
  // one transaction. False when there is no record or `decide` refuses (nullopt).
  bool UpdateRated(std::string_view nick, std::string_view prefix,
                   const std::function<std::optional<RatedRow>(const RatedRow&)>& decide);
  // Best rated first among the records with at least one game; ties by nick.
  std::vector<RatingLine> RatingList(std::string_view prefix, int count);
  // 1 + the number of records with at least one game rated above `rating`.
  int RatingPlace(std::string_view prefix, double rating);

  // ---- World top ten and chat (store_lists.cpp)

  // Adds a line and returns its place: 1 + the lines of the list above it (a tie goes after
  // the older lines).
  int AddTopTen(const TopTenRow& row, std::int64_t now);
  // Adds a chat message under the number after the newest one (the sender's number is not
  // used), keeps only the newest `keep` messages, and returns the number.
  int AddChatMessage(TopTenRow row, std::int64_t now, int keep);
  // Best score first, ties oldest first (the chat: newest first), with their places.
  std::vector<TopTenRow> TopTen(int gid, int count);
  int TopTenSize(int gid);
  // Up to `count` lines around the best line of the nick (and city when not empty), with
  // their places; empty when the nick has none.
  std::vector<TopTenRow> TopTenNear(int gid, std::string_view nick, std::string_view city,
                                    int count);
  // The place of the newest line of the nick with that score, if there is one.
  std::optional<int> PlaceOfLine(int gid, std::string_view nick, int score);

  // ---- Statistics (store_lists.cpp)

  StatsRow ReadStats(int gid);
  // Adds the counts of `add` (stat4 replaces the last like's nick unless empty).
  void AddStats(int gid, const StatsRow& add);

  // ---- Tournament (store_tour.cpp)

  TourSeats ReadSeats();
  // Reads every seat under a write lock, lets `change` alter them and stores the seats it
  // changed, in one transaction; returns what `change` returns.
  int ChangeSeats(const std::function<int(TourSeats&)>& change);
  std::optional<TourFigures> ReadTourFigures(std::string_view nick);
  // Sets an account's figures (creating them); false when there is no such account.
  bool SaveTourFigures(std::string_view nick, int score, int kon, int rating);
  // Best first among the players with at least one game; ties by nick.
  std::vector<TourFigures> TourTop(TourColumn by, int count);
  // 1 + the players with at least one game above `value`.
  int TourPlace(TourColumn by, int value);

 private:
  class Tx;
  struct RatingListCache;
  std::unique_ptr<soci::connection_pool> pool_;
  std::unique_ptr<RatingListCache> rating_cache_;
  int size_ = 0;
  bool postgres_ = false;
  void Migrate();
};

// The key that makes nicks unique and finds them: Latin letters folded to lower case.
std::string NickKey(std::string_view nick);

}  // namespace ostrel::server
