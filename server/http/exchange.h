// One HTTP request and its answer as plain values: the socket layer fills and sends them, the
// router and the handlers never see a socket.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>

namespace ostrel::server {

struct HttpRequest {
  std::string method;  // "GET", "POST" ...
  std::string target;  // the path and query as sent
  std::string content_type;
  std::string accept_language;  // the browser's languages, for the public pages
  std::string body;
  std::string peer;  // the caller's address as text
};

// An answer without an end (a radio stream), sent in chunks for as long as the client reads.
class ByteSource {
 public:
  struct Piece {
    std::string bytes;                 // may be empty: nothing to send yet
    std::chrono::milliseconds wait{};  // before asking for the next piece
  };
  virtual ~ByteSource() = default;
  virtual Piece Next(std::chrono::steady_clock::time_point now) = 0;
};

struct HttpResponse {
  int status = 200;
  std::string content_type = "text/plain; charset=windows-1251";
  std::string body;
  std::string file;  // when not empty, the file's bytes are sent instead of body
  // When set, the body is this source's bytes, chunked, until the client goes.
  std::shared_ptr<ByteSource> stream = nullptr;
};

using HttpDone = std::function<void(HttpResponse)>;
// Takes a request and answers it once, on any thread, through `done`.
using HttpHandler = std::function<void(HttpRequest, HttpDone)>;

struct HttpLimits {
  std::size_t max_header = 8 * 1024;
  std::size_t max_body = 64 * 1024;
  // The photo upload: a picture of at most 256 KiB and the form around it.
  std::size_t max_upload_body = 256 * 1024 + 4 * 1024;
  std::string upload_target = "/photos/";
  // The whole request (header and body) must arrive within this time, so a client that sends
  // one byte a second is dropped; an idle kept-alive connection is closed after it too.
  int request_timeout_ms = 20000;
  int write_timeout_ms = 30000;
  int max_connections_per_address = 32;
  int max_connections = 4096;
  int max_requests_per_connection = 1000;
  // Behind a reverse proxy on this machine: take the caller's address from the last
  // X-Forwarded-For entry when the connection comes from a loopback address.
  bool trust_forwarded_for = false;
};

}  // namespace ostrel::server
