#include "server/store/schema.h"

namespace ostrel::server {

namespace {

std::vector<std::string> TopTenStatsTourMigration() {
  std::vector<std::string> m = {
      // One line per result written (or chat message, under the chat's identifier, where the
      // score is the message number); nick_key finds a player's lines.
      "CREATE TABLE topten ("
      " id BIGINT PRIMARY KEY,"
      " gid INTEGER NOT NULL, score INTEGER NOT NULL,"
      " nick TEXT NOT NULL, nick_key TEXT NOT NULL, country TEXT NOT NULL, city TEXT NOT NULL,"
      " r07 TEXT NOT NULL, r08 TEXT NOT NULL, r09 TEXT NOT NULL, r10 TEXT NOT NULL,"
      " created BIGINT NOT NULL)",
      "CREATE INDEX topten_by_score ON topten (gid, score, id)",
      "CREATE INDEX topten_by_nick ON topten (gid, nick_key)",
      "CREATE TABLE stats ("
      " gid INTEGER PRIMARY KEY,"
      " stat1 BIGINT NOT NULL, stat2 BIGINT NOT NULL, stat3 BIGINT NOT NULL,"
      " stat4 TEXT NOT NULL,"
      " x1 BIGINT NOT NULL, x2 BIGINT NOT NULL, x3 BIGINT NOT NULL, x4 BIGINT NOT NULL,"
      " x5 BIGINT NOT NULL, x6 BIGINT NOT NULL, x7 BIGINT NOT NULL, x8 BIGINT NOT NULL,"
      " x9 BIGINT NOT NULL, x10 BIGINT NOT NULL, x11 BIGINT NOT NULL, x12 BIGINT NOT NULL)",
      // The seats of the tournament tables; holder_key is "" for a free seat.
      "CREATE TABLE tour_seats ("
      " tbl INTEGER NOT NULL, seat INTEGER NOT NULL,"
      " holder_key TEXT NOT NULL, nick TEXT NOT NULL,"
      " score INTEGER NOT NULL, kon INTEGER NOT NULL, rating INTEGER NOT NULL,"
      " country TEXT NOT NULL, city TEXT NOT NULL, sex TEXT NOT NULL, ip TEXT NOT NULL,"
      " peer TEXT NOT NULL, taken BIGINT NOT NULL,"
      " PRIMARY KEY (tbl, seat))",
      // The tournament figures of each account that played.
      "CREATE TABLE tour_players ("
      " nick_key TEXT PRIMARY KEY REFERENCES accounts(nick_key),"
      " score INTEGER NOT NULL, kon INTEGER NOT NULL, rating INTEGER NOT NULL)",
      "CREATE INDEX tour_by_score ON tour_players (score)",
      "CREATE INDEX tour_by_rating ON tour_players (rating)",
      "CREATE INDEX tour_by_kon ON tour_players (kon)",
  };
  for (int t = 1; t <= 10; ++t) {
    for (int s = 1; s <= 4; ++s) {
      m.push_back("INSERT INTO tour_seats VALUES (" + std::to_string(t) + ", " + std::to_string(s) +
                  ", '', 'X', 0, 0, 0, 'X', 'X', 'X', 'X', '', 0)");
    }
  }
  return m;
}

}  // namespace

const std::vector<std::vector<std::string>>& SchemaMigrations() {
  static const std::vector<std::vector<std::string>> kMigrations = {
      // 1: accounts, profiles and rated records.
      {
          "CREATE TABLE accounts ("
          " nick_key TEXT PRIMARY KEY,"
          " nick TEXT NOT NULL,"
          " pw_hash TEXT NOT NULL,"
          " city TEXT NOT NULL, country1 TEXT NOT NULL, country2 TEXT NOT NULL,"
          " sex TEXT NOT NULL, email TEXT NOT NULL, dater TEXT NOT NULL,"
          " r01 TEXT NOT NULL, r02 TEXT NOT NULL, r03 TEXT NOT NULL,"
          " r04 INTEGER NOT NULL, r05 INTEGER NOT NULL, r06 INTEGER NOT NULL,"
          " created BIGINT NOT NULL,"
          " failures INTEGER NOT NULL DEFAULT 0,"
          " locked_until BIGINT NOT NULL DEFAULT 0)",
          "CREATE TABLE profiles ("
          " nick_key TEXT PRIMARY KEY REFERENCES accounts(nick_key),"
          " name1 TEXT NOT NULL, name2 TEXT NOT NULL, about TEXT NOT NULL,"
          " telephone TEXT NOT NULL, emailo TEXT NOT NULL, website TEXT NOT NULL,"
          " skype TEXT NOT NULL, ok TEXT NOT NULL, vk TEXT NOT NULL, telegram TEXT NOT NULL,"
          " facebook TEXT NOT NULL, twitter TEXT NOT NULL, instagramm TEXT NOT NULL,"
          " youtube TEXT NOT NULL)",
          "CREATE TABLE rated ("
          " nick_key TEXT NOT NULL REFERENCES accounts(nick_key),"
          " prefix TEXT NOT NULL,"
          " kon INTEGER NOT NULL, best INTEGER NOT NULL, rating DOUBLE PRECISION NOT NULL,"
          " sessions INTEGER NOT NULL, konl INTEGER NOT NULL, score INTEGER NOT NULL,"
          " r1 INTEGER NOT NULL, r2 TEXT NOT NULL,"
          " open INTEGER NOT NULL, open_konl INTEGER NOT NULL, open_score INTEGER NOT NULL,"
          " PRIMARY KEY (nick_key, prefix))",
          "CREATE INDEX rated_by_rating ON rated (prefix, rating)",
      },
      // 2: the world top ten lists and the chat, the statistics, the tournament.
      TopTenStatsTourMigration(),
  };
  return kMigrations;
}

}  // namespace ostrel::server
