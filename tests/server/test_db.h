// Databases for the server's tests: a fresh SQLite file in a temporary folder, or a fresh
// schema in the PostgreSQL cluster the environment names (PGHOST/PGPORT/PGDATABASE, as
// pg_virtualenv sets them). Without that environment the PostgreSQL cases are skipped.
#pragma once

#include <optional>
#include <string>

namespace ostrel::server::testing {

enum class Backend { kSqlite, kPostgres };

std::string BackendName(Backend b);

// A temporary folder, removed with everything in it when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// The URL of an empty database of the backend, or nullopt when PostgreSQL is not configured.
// `dir` holds the SQLite file.
std::optional<std::string> FreshDatabase(Backend b, const TempDir& dir);

}  // namespace ostrel::server::testing
