#include "server/service/passwords.h"

#include <sodium.h>

#include <chrono>

namespace ostrel::server {
namespace {

// Enough for every active player of a busy evening; the oldest is forgotten first.
constexpr std::size_t kCacheEntries = 50000;
// A caller waits at most this long for its turn before it is told the service is busy.
constexpr auto kTurnWait = std::chrono::seconds(5);

}  // namespace

bool InitSodium() {
  return sodium_init() >= 0;
}

PasswordHasher::PasswordHasher(HashCost cost, int at_once, int waiting)
    : cost_(cost), at_once_(at_once < 1 ? 1 : at_once), waiting_(waiting < 0 ? 0 : waiting) {
  randombytes_buf(cache_key_, sizeof cache_key_);
}

bool PasswordHasher::Acquire() {
  std::unique_lock lock(mutex_);
  if (running_ >= at_once_) {
    if (queued_ >= waiting_) return false;
    ++queued_;
    bool got = turn_.wait_for(lock, kTurnWait, [&] { return running_ < at_once_; });
    --queued_;
    if (!got) return false;
  }
  ++running_;
  return true;
}

void PasswordHasher::Release() {
  {
    std::lock_guard lock(mutex_);
    --running_;
  }
  turn_.notify_one();
}

std::optional<std::string> PasswordHasher::Hash(std::string_view password) {
  if (!Acquire()) return std::nullopt;
  char out[crypto_pwhash_STRBYTES];
  const bool minimum = cost_ == HashCost::kMinimum;
  int rc =
      crypto_pwhash_str(out, password.data(), password.size(),
                        minimum ? crypto_pwhash_OPSLIMIT_MIN : crypto_pwhash_OPSLIMIT_INTERACTIVE,
                        minimum ? crypto_pwhash_MEMLIMIT_MIN : crypto_pwhash_MEMLIMIT_INTERACTIVE);
  Release();
  if (rc != 0) return std::nullopt;  // out of memory: as busy
  return std::string(out);
}

PasswordVerdict PasswordHasher::Verify(std::string_view key, std::string_view hash,
                                       std::string_view password) {
  std::string digest = Digest(key, hash, password);
  if (Cached(digest)) return PasswordVerdict::kMatch;
  std::string stored(hash);  // crypto_pwhash_str_verify wants a terminated text
  if (!Acquire()) return PasswordVerdict::kBusy;
  int rc = crypto_pwhash_str_verify(stored.c_str(), password.data(), password.size());
  Release();
  if (rc != 0) return PasswordVerdict::kWrong;
  Remember(digest);
  return PasswordVerdict::kMatch;
}

std::string PasswordHasher::Digest(std::string_view key, std::string_view hash,
                                   std::string_view password) const {
  // The stored hash is part of the digest, so a changed password never matches an old entry.
  crypto_generichash_state state;
  crypto_generichash_init(&state, cache_key_, sizeof cache_key_, 32);
  const unsigned char zero = 0;
  for (std::string_view part : {key, hash, password}) {
    crypto_generichash_update(&state, reinterpret_cast<const unsigned char*>(part.data()),
                              part.size());
    crypto_generichash_update(&state, &zero, 1);
  }
  std::string out(32, '\0');
  crypto_generichash_final(&state, reinterpret_cast<unsigned char*>(out.data()), out.size());
  return out;
}

bool PasswordHasher::Cached(const std::string& digest) {
  std::lock_guard lock(cache_mutex_);
  return cache_.count(digest) != 0;
}

void PasswordHasher::Remember(const std::string& digest) {
  std::lock_guard lock(cache_mutex_);
  if (!cache_.insert(digest).second) return;
  cache_order_.push_back(digest);
  if (cache_order_.size() > kCacheEntries) {
    cache_.erase(cache_order_.front());
    cache_order_.pop_front();
  }
}

}  // namespace ostrel::server
