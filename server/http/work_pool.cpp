#include "server/http/work_pool.h"

namespace ostrel::server {

WorkPool::WorkPool(int threads, std::size_t max_queued) : max_queued_(max_queued) {
  for (int i = 0; i < (threads < 1 ? 1 : threads); ++i) threads_.emplace_back([this] { Loop(); });
}

WorkPool::~WorkPool() {
  Stop();
}

bool WorkPool::Post(std::function<void()> work) {
  {
    std::lock_guard lock(mutex_);
    if (stopping_ || queue_.size() >= max_queued_) return false;
    queue_.push_back(std::move(work));
  }
  ready_.notify_one();
  return true;
}

void WorkPool::Stop() {
  {
    std::lock_guard lock(mutex_);
    if (stopping_ && threads_.empty()) return;
    stopping_ = true;
  }
  ready_.notify_all();
  for (auto& t : threads_) {
    if (t.joinable()) t.join();
  }
  threads_.clear();
}

void WorkPool::Loop() {
  for (;;) {
    std::function<void()> work;
    {
      std::unique_lock lock(mutex_);
      ready_.wait(lock, [&] { return stopping_ || !queue_.empty(); });
      if (queue_.empty()) return;  // stopping, and nothing left to do
      work = std::move(queue_.front());
      queue_.pop_front();
    }
    work();
  }
}

}  // namespace ostrel::server
