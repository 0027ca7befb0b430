#include "server/service/rate_limits.h"

namespace ostrel::server {

WindowLimiter::WindowLimiter(int max_events, std::int64_t window_seconds, std::size_t max_keys)
    : max_events_(max_events), window_(window_seconds), max_keys_(max_keys) {}

std::deque<std::int64_t>* WindowLimiter::Events(std::string_view key, std::int64_t now,
                                                bool create) {
  auto it = events_.find(std::string(key));
  if (it == events_.end()) {
    if (!create) return nullptr;
    if (events_.size() >= max_keys_) Prune(now);
    if (events_.size() >= max_keys_) return nullptr;
    it = events_.emplace(std::string(key), std::deque<std::int64_t>{}).first;
  }
  auto& q = it->second;
  while (!q.empty() && q.front() <= now - window_) q.pop_front();
  return &q;
}

void WindowLimiter::Prune(std::int64_t now) {
  for (auto it = events_.begin(); it != events_.end();) {
    if (it->second.empty() || it->second.back() <= now - window_) {
      it = events_.erase(it);
    } else {
      ++it;
    }
  }
}

bool WindowLimiter::Allowed(std::string_view key, std::int64_t now) {
  std::lock_guard lock(mutex_);
  auto* q = Events(key, now, false);
  if (q == nullptr) return events_.size() < max_keys_ || (Prune(now), events_.size() < max_keys_);
  return static_cast<int>(q->size()) < max_events_;
}

bool WindowLimiter::TryAdd(std::string_view key, std::int64_t now) {
  std::lock_guard lock(mutex_);
  auto* q = Events(key, now, true);
  if (q == nullptr || static_cast<int>(q->size()) >= max_events_) return false;
  q->push_back(now);
  return true;
}

void WindowLimiter::Add(std::string_view key, std::int64_t now) {
  std::lock_guard lock(mutex_);
  auto* q = Events(key, now, true);
  if (q == nullptr) return;
  q->push_back(now);
  // Only the newest max_events matter for the limit; older ones would only hold memory.
  while (static_cast<int>(q->size()) > max_events_) q->pop_front();
}

}  // namespace ostrel::server
