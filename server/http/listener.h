// The HTTP/1.1 listener: accepts connections on one address, reads each request within the
// limits, hands it to the handler and writes the answer. One line per request goes to the log.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "server/http/exchange.h"

namespace ostrel::server {

using HttpLog = std::function<void(const std::string& line)>;

class HttpServer {
 public:
  // Binds at once (port 0 takes a free one); throws std::runtime_error when it cannot.
  HttpServer(const std::string& address, std::uint16_t port, HttpLimits limits, HttpHandler handler,
             HttpLog log);
  ~HttpServer();
  HttpServer(const HttpServer&) = delete;
  HttpServer& operator=(const HttpServer&) = delete;

  std::uint16_t port() const;
  // Runs the event loop on the calling thread until Stop() or SIGTERM/SIGINT (when
  // `stop_on_signals`); returns after every connection was closed.
  void Run(bool stop_on_signals);
  // Safe from any thread.
  void Stop();

  struct Impl;  // the event loop's state (listener.cpp)

 private:
  std::shared_ptr<Impl> impl_;
};

}  // namespace ostrel::server
