// A tiny HTTP/1.1 server on 127.0.0.1 for the tests of everything that downloads: it answers
// each path with a scripted reply, including the broken ones a real network produces (a body
// cut short, a connection closed without a word, an answer that comes too late). One
// connection at a time, on its own thread; no network beyond the loopback.
#pragma once

#include <atomic>
#include <cstddef>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace ostrel::testing {

struct HttpReply {
  int status = 200;
  std::string body;
  // The Content-Length announced; the body's size when not given.
  std::optional<std::size_t> content_length;
  // How many bytes of the body are sent before the connection is closed; all when not given.
  std::optional<std::size_t> send_bytes;
  bool close_without_reply = false;
  int delay_ms = 0;                                          // before anything is sent
  std::vector<std::pair<std::string, std::string>> headers;  // extra ones, e.g. Location

  static HttpReply Body(std::string body);
  // Announces the whole body but sends only its first `sent` bytes, then closes.
  static HttpReply CutAfter(std::string body, std::size_t sent);
  static HttpReply Status(int status);
};

class LocalHttpServer {
 public:
  // Listens on a free port of 127.0.0.1; throws std::runtime_error when it cannot.
  LocalHttpServer();
  ~LocalHttpServer();
  LocalHttpServer(const LocalHttpServer&) = delete;
  LocalHttpServer& operator=(const LocalHttpServer&) = delete;

  int Port() const { return port_; }
  // "http://127.0.0.1:<port>" + path.
  std::string Url(const std::string& path) const;
  // A path that was given no reply gets 404.
  void Serve(const std::string& path, HttpReply reply);
  // The paths asked for, in the order the requests came.
  std::vector<std::string> Requests() const;

 private:
  void Run();
  void Answer(int connection);
  // False when the server stops or the client hangs up before the time is over.
  bool Wait(int connection, int ms);

  int listener_ = -1;
  int port_ = 0;
  mutable std::mutex mutex_;
  std::map<std::string, HttpReply> replies_;
  std::vector<std::string> requests_;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

}  // namespace ostrel::testing
