// Argon2id password hashes (libsodium's crypto_pwhash_str) with a bound on the hashes computed
// at once and on the requests waiting for one, so that a burst of logins cannot take every
// worker: past the bound a request is refused at once as busy.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>

namespace ostrel::server {

enum class HashCost {
  kInteractive,  // libsodium's interactive limits: what the service uses
  kMinimum,      // the least libsodium allows: for tests only
};

enum class PasswordVerdict { kMatch, kWrong, kBusy };

class PasswordHasher {
 public:
  // At most `at_once` hashes run together and at most `waiting` more wait for a turn.
  PasswordHasher(HashCost cost, int at_once, int waiting);

  // The encoded Argon2id hash ("$argon2id$..."); nullopt when busy.
  std::optional<std::string> Hash(std::string_view password);
  // `key` names the account (its nick key). A pair verified before is answered from a small
  // cache of keyed BLAKE2b digests, so that a player's frequent requests do not each cost a hash;
  // the cache lives only in this process's memory under a random key of its own.
  PasswordVerdict Verify(std::string_view key, std::string_view hash, std::string_view password);

  HashCost cost() const { return cost_; }

 private:
  bool Acquire();
  void Release();
  std::string Digest(std::string_view key, std::string_view hash, std::string_view password) const;
  bool Cached(const std::string& digest);
  void Remember(const std::string& digest);

  HashCost cost_;
  int at_once_, waiting_;
  int running_ = 0, queued_ = 0;
  std::mutex mutex_;
  std::condition_variable turn_;
  unsigned char cache_key_[32];
  std::mutex cache_mutex_;
  std::unordered_set<std::string> cache_;
  std::deque<std::string> cache_order_;
};

// Starts libsodium once; false when it cannot (the server must not run then).
bool InitSodium();

}  // namespace ostrel::server
