#include "test_db.h"

#include <libpq-fe.h>
#include <stdlib.h>

#include <atomic>
#include <filesystem>
#include <stdexcept>

namespace ostrel::server::testing {

std::string BackendName(Backend b) {
  return b == Backend::kSqlite ? "SQLite" : "PostgreSQL";
}

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "ostrel-server-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

std::optional<std::string> FreshDatabase(Backend b, const TempDir& dir) {
  if (b == Backend::kSqlite) return "sqlite:" + dir.path() + "/test.db";
  if (!getenv("PGHOST") && !getenv("PGDATABASE")) return std::nullopt;
  // One schema per database asked for, named after the process and a counter, dropped first
  // in case a killed run left it.
  static std::atomic<int> counter{0};
  std::string schema = "t" + std::to_string(getpid()) + "_" + std::to_string(++counter);
  PGconn* conn = PQconnectdb("");
  if (PQstatus(conn) != CONNECTION_OK) {
    std::string why = PQerrorMessage(conn);
    PQfinish(conn);
    throw std::runtime_error("PostgreSQL is configured but does not answer: " + why);
  }
  std::string sql = "DROP SCHEMA IF EXISTS " + schema + " CASCADE; CREATE SCHEMA " + schema;
  PGresult* res = PQexec(conn, sql.c_str());
  bool ok = PQresultStatus(res) == PGRES_COMMAND_OK;
  PQclear(res);
  PQfinish(conn);
  if (!ok) throw std::runtime_error("cannot create the schema " + schema);
  return "postgresql://?options=-csearch_path%3D" + schema;
}

}  // namespace ostrel::server::testing
