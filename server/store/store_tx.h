// The store's transaction, shared by the files that implement Store. Private to server/store.
#pragma once

#include <soci/soci.h>

#include <cstddef>
#include <string>

#include "server/store/store.h"

namespace ostrel::server {

// A transaction that rolls back unless committed. On SQLite a writing transaction takes the
// write lock at its start (BEGIN IMMEDIATE), so two writers wait for each other under the busy
// time-out instead of failing when one of them upgrades a read.
class Store::Tx {
 public:
  Tx(soci::session& sql, bool postgres) : sql_(sql) {
    sql_ << (postgres ? "BEGIN" : "BEGIN IMMEDIATE");
  }
  ~Tx() {
    if (done_) return;
    try {
      sql_ << "ROLLBACK";
    } catch (...) {
      // The connection is broken; the database drops the transaction by itself.
    }
  }
  void Commit() {
    sql_ << "COMMIT";
    done_ = true;
  }

 private:
  soci::session& sql_;
  bool done_ = false;
};

// The number of rows to make room for in a bulk read of at most `count` rows (the query's LIMIT
// is `count` itself). The SQLite back end takes a bulk read into vectors of one element for a
// single-row read that gives nothing back, so the vectors always hold at least two.
inline std::size_t BulkRows(int count) {
  return count < 2 ? 2 : static_cast<std::size_t>(count);
}

// The LIMIT of such a read.
inline std::string LimitOf(int count) {
  return std::to_string(count < 1 ? 1 : count);
}

}  // namespace ostrel::server
