// The store's transaction, shared by the files that implement Store. Private to server/store.
#pragma once

#include <soci/soci.h>

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

}  // namespace ostrel::server
