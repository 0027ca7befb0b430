#include "server_process.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <thread>

namespace ostrel::server::testing {
namespace {

using Clock = std::chrono::steady_clock;

int Remaining(Clock::time_point deadline) {
  auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
  return ms < 0 ? 0 : static_cast<int>(ms);
}

}  // namespace

ServerProcess::ServerProcess(const std::string& binary, const std::vector<std::string>& args) {
  int out[2];
  if (pipe(out) != 0) throw std::runtime_error("pipe failed");
  char log_template[] = "/tmp/ostrel-server-log-XXXXXX";
  int log_fd = mkstemp(log_template);
  if (log_fd < 0) throw std::runtime_error("mkstemp failed");
  log_path_ = log_template;
  std::vector<std::string> all = {binary};
  all.insert(all.end(), args.begin(), args.end());
  all.push_back("--http");
  all.push_back("127.0.0.1:0");
  // Each table on a free port, so that servers started side by side never collide.
  all.push_back("--tables");
  all.push_back("127.0.0.1:0");
  pid_ = fork();
  if (pid_ < 0) throw std::runtime_error("fork failed");
  if (pid_ == 0) {
    dup2(out[1], 1);
    dup2(log_fd, 2);
    close(out[0]);
    close(out[1]);
    std::vector<char*> argv;
    for (auto& a : all) argv.push_back(a.data());
    argv.push_back(nullptr);
    execv(binary.c_str(), argv.data());
    _exit(127);
  }
  close(out[1]);
  close(log_fd);
  // The first line on standard output: "listening on 127.0.0.1:PORT".
  std::string line;
  auto deadline = Clock::now() + std::chrono::seconds(20);
  while (line.find('\n') == std::string::npos) {
    pollfd p{out[0], POLLIN, 0};
    if (poll(&p, 1, Remaining(deadline)) <= 0) break;
    char buf[256];
    ssize_t n = read(out[0], buf, sizeof buf);
    if (n <= 0) break;
    line.append(buf, static_cast<std::size_t>(n));
  }
  close(out[0]);
  auto colon = line.rfind(':');
  if (line.rfind("listening on ", 0) != 0 || colon == std::string::npos) {
    Kill();
    throw std::runtime_error("the server did not start: " + line + Log());
  }
  port_ = static_cast<std::uint16_t>(std::stoi(line.substr(colon + 1)));
}

ServerProcess::~ServerProcess() {
  if (pid_ > 0) Terminate(5000);
  if (!log_path_.empty()) unlink(log_path_.c_str());
}

int ServerProcess::Terminate(int ms) {
  if (pid_ <= 0) return -1;
  kill(pid_, SIGTERM);
  auto deadline = Clock::now() + std::chrono::milliseconds(ms);
  int status = 0;
  while (Clock::now() < deadline) {
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
      pid_ = -1;
      return status;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  Kill();
  return -1;
}

void ServerProcess::Kill() {
  if (pid_ <= 0) return;
  kill(pid_, SIGKILL);
  int status = 0;
  waitpid(pid_, &status, 0);
  pid_ = -1;
}

std::string ServerProcess::Log() const {
  std::ifstream in(log_path_);
  return std::string((std::istreambuf_iterator<char>(in)), {});
}

int ConnectLoopback(std::uint16_t port) {
  int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return -1;
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_port = htons(port);
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
    close(fd);
    return -1;
  }
  return fd;
}

std::string ReadAll(int fd, int timeout_ms, bool* closed) {
  std::string got;
  auto deadline = Clock::now() + std::chrono::milliseconds(timeout_ms);
  if (closed) *closed = false;
  for (;;) {
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, Remaining(deadline)) <= 0) return got;
    char buf[4096];
    ssize_t n = recv(fd, buf, sizeof buf, 0);
    if (n <= 0) {
      if (closed) *closed = true;
      return got;
    }
    got.append(buf, static_cast<std::size_t>(n));
  }
}

HttpReply HttpCall(std::uint16_t port, const std::string& method, const std::string& target,
                   const std::string& body, const std::string& content_type, int timeout_ms) {
  HttpReply reply;
  int fd = ConnectLoopback(port);
  if (fd < 0) return reply;
  std::string req = method + " " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\n" +
                    "User-Agent: TarvoSpecAccess\r\nConnection: close\r\n";
  if (!content_type.empty()) req += "Content-Type: " + content_type + "\r\n";
  if (method == "POST") req += "Content-Length: " + std::to_string(body.size()) + "\r\n";
  req += "\r\n" + body;
  std::size_t sent = 0;
  while (sent < req.size()) {
    ssize_t n = send(fd, req.data() + sent, req.size() - sent, MSG_NOSIGNAL);
    if (n <= 0) break;
    sent += static_cast<std::size_t>(n);
  }
  std::string raw = ReadAll(fd, timeout_ms);
  close(fd);
  auto head_end = raw.find("\r\n\r\n");
  if (raw.rfind("HTTP/1.1 ", 0) != 0 || head_end == std::string::npos) return reply;
  reply.status = std::stoi(raw.substr(9, 3));
  reply.body = raw.substr(head_end + 4);
  return reply;
}

HttpReply Post(std::uint16_t port, const std::string& target, const std::string& body) {
  return HttpCall(port, "POST", target, body, "application/x-www-form-urlencoded");
}

}  // namespace ostrel::server::testing
