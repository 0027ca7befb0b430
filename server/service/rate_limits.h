// Counts events per key (an address) over a sliding window of time, in this process's memory.
// The number of keys is bounded: when full, the keys whose events have all aged out go first,
// and if none has, the new key is refused as over its limit, so a flood of addresses cannot
// grow the memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>

namespace ostrel::server {

class WindowLimiter {
 public:
  WindowLimiter(int max_events, std::int64_t window_seconds, std::size_t max_keys = 100000);

  // Whether the key has fewer than max_events within the window ending at now.
  bool Allowed(std::string_view key, std::int64_t now);
  // Records an event; false (and nothing recorded) when the key was already at its limit.
  bool TryAdd(std::string_view key, std::int64_t now);
  // Records an event even past the limit (a failure that happened).
  void Add(std::string_view key, std::int64_t now);

 private:
  std::deque<std::int64_t>* Events(std::string_view key, std::int64_t now, bool create);
  void Prune(std::int64_t now);

  int max_events_;
  std::int64_t window_;
  std::size_t max_keys_;
  std::mutex mutex_;
  std::unordered_map<std::string, std::deque<std::int64_t>> events_;
};

}  // namespace ostrel::server
