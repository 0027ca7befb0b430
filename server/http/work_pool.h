// A fixed set of worker threads with a bounded queue: the blocking work of requests (database,
// password hashes) runs here, off the event loop. A full queue refuses new work at once.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace ostrel::server {

class WorkPool {
 public:
  WorkPool(int threads, std::size_t max_queued);
  ~WorkPool();  // finishes the queued work, then joins
  WorkPool(const WorkPool&) = delete;
  WorkPool& operator=(const WorkPool&) = delete;

  // False when the queue is full or the pool is stopping.
  bool Post(std::function<void()> work);
  void Stop();

 private:
  void Loop();
  std::size_t max_queued_;
  std::mutex mutex_;
  std::condition_variable ready_;
  std::deque<std::function<void()>> queue_;
  bool stopping_ = false;
  std::vector<std::thread> threads_;
};

}  // namespace ostrel::server
