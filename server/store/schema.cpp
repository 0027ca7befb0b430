#include "server/store/schema.h"

namespace ostrel::server {

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
  };
  return kMigrations;
}

}  // namespace ostrel::server
