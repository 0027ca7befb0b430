// The built ostrel-server as a child process on a free loopback port, and a small blocking
// HTTP client for it. Every wait is bounded; the destructor stops the server whatever
// happened (SIGTERM, then SIGKILL).
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>
#include <vector>

namespace ostrel::server::testing {

class ServerProcess {
 public:
  // Starts `binary` with `args` plus "--http 127.0.0.1:0"; throws when it does not report its
  // port within 20 s.
  ServerProcess(const std::string& binary, const std::vector<std::string>& args);
  ~ServerProcess();
  ServerProcess(const ServerProcess&) = delete;
  ServerProcess& operator=(const ServerProcess&) = delete;

  std::uint16_t port() const { return port_; }
  pid_t pid() const { return pid_; }
  // SIGTERM and wait up to `ms`; the exit status as waitpid gives it, or -1 on time-out (then
  // the process was killed).
  int Terminate(int ms = 10000);
  void Kill();  // SIGKILL and reap
  // What the server wrote to standard error so far (its request log).
  std::string Log() const;

 private:
  pid_t pid_ = -1;
  std::uint16_t port_ = 0;
  std::string log_path_;
};

struct HttpReply {
  int status = 0;  // 0: no answer (closed, refused or timed out)
  std::string body;
};

// One request on a new connection, "Connection: close", everything within `timeout_ms`.
HttpReply HttpCall(std::uint16_t port, const std::string& method, const std::string& target,
                   const std::string& body = "", const std::string& content_type = "",
                   int timeout_ms = 10000);
HttpReply Post(std::uint16_t port, const std::string& target, const std::string& body);

// A raw connection for tests of slow or broken clients; -1 on failure.
int ConnectLoopback(std::uint16_t port);
// Reads until the peer closes or `timeout_ms` passes; returns what came.
std::string ReadAll(int fd, int timeout_ms, bool* closed = nullptr);

}  // namespace ostrel::server::testing
