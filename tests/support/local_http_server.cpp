#include "support/local_http_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <stdexcept>

namespace ostrel::testing {

namespace {

constexpr std::size_t kMaxRequest = 64 * 1024;
constexpr int kPollMs = 20;

const char* Reason(int status) {
  switch (status) {
    case 200:
      return "OK";
    case 301:
      return "Moved Permanently";
    case 302:
      return "Found";
    case 404:
      return "Not Found";
    case 500:
      return "Internal Server Error";
    default:
      return "Status";
  }
}

void SendAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::send(fd, data, size, MSG_NOSIGNAL);
    if (n <= 0) return;  // the client went away; nothing to tell it
    data += n;
    size -= static_cast<std::size_t>(n);
  }
}

// The request head up to its empty line, or empty when the client sent none in time.
std::string ReadHead(int fd) {
  std::string head;
  char buffer[4096];
  while (head.find("\r\n\r\n") == std::string::npos && head.size() < kMaxRequest) {
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, 2000) <= 0) return {};
    const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
    if (n <= 0) return {};
    head.append(buffer, static_cast<std::size_t>(n));
  }
  return head;
}

// "GET /a/b HTTP/1.1" gives "/a/b".
std::string PathOf(const std::string& head) {
  const std::size_t first = head.find(' ');
  if (first == std::string::npos) return {};
  const std::size_t second = head.find(' ', first + 1);
  if (second == std::string::npos) return {};
  return head.substr(first + 1, second - first - 1);
}

}  // namespace

HttpReply HttpReply::Body(std::string body) {
  HttpReply reply;
  reply.body = std::move(body);
  return reply;
}

HttpReply HttpReply::CutAfter(std::string body, std::size_t sent) {
  HttpReply reply = Body(std::move(body));
  reply.send_bytes = sent;
  return reply;
}

HttpReply HttpReply::Status(int status) {
  HttpReply reply;
  reply.status = status;
  reply.body = "status " + std::to_string(status);
  return reply;
}

LocalHttpServer::LocalHttpServer() {
  listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (listener_ < 0) throw std::runtime_error("test server: no socket");
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;  // the system picks a free port
  socklen_t length = sizeof address;
  if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      ::listen(listener_, 16) != 0 ||
      ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    ::close(listener_);
    throw std::runtime_error(std::string("test server: ") + std::strerror(errno));
  }
  port_ = ntohs(address.sin_port);
  thread_ = std::thread([this] { Run(); });
}

LocalHttpServer::~LocalHttpServer() {
  stop_ = true;
  thread_.join();
  ::close(listener_);
}

std::string LocalHttpServer::Url(const std::string& path) const {
  return "http://127.0.0.1:" + std::to_string(port_) + path;
}

void LocalHttpServer::Serve(const std::string& path, HttpReply reply) {
  std::lock_guard lock(mutex_);
  replies_[path] = std::move(reply);
}

std::vector<std::string> LocalHttpServer::Requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

bool LocalHttpServer::Wait(int connection, int ms) {
  // A client that gave up is not waited for: the next request must not queue behind it.
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (std::chrono::steady_clock::now() < end) {
    if (stop_) return false;
    pollfd p{connection, POLLRDHUP, 0};
    if (::poll(&p, 1, kPollMs) > 0) return false;
  }
  return !stop_;
}

void LocalHttpServer::Run() {
  while (!stop_) {
    pollfd p{listener_, POLLIN, 0};
    if (::poll(&p, 1, kPollMs) <= 0) continue;
    const int connection = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    if (connection < 0) continue;
    Answer(connection);
    ::shutdown(connection, SHUT_WR);
    ::close(connection);
  }
}

void LocalHttpServer::Answer(int connection) {
  const std::string head = ReadHead(connection);
  if (head.empty()) return;
  const std::string path = PathOf(head);
  HttpReply reply = HttpReply::Status(404);
  {
    std::lock_guard lock(mutex_);
    requests_.push_back(path);
    if (auto found = replies_.find(path); found != replies_.end()) reply = found->second;
  }
  if (reply.delay_ms > 0 && !Wait(connection, reply.delay_ms)) return;
  if (reply.close_without_reply) return;
  std::string out =
      "HTTP/1.1 " + std::to_string(reply.status) + " " + Reason(reply.status) +
      "\r\nContent-Length: " + std::to_string(reply.content_length.value_or(reply.body.size())) +
      "\r\nConnection: close\r\n";
  for (const auto& [name, value] : reply.headers) out += name + ": " + value + "\r\n";
  out += "\r\n";
  out.append(reply.body, 0, reply.send_bytes.value_or(reply.body.size()));
  SendAll(connection, out.data(), out.size());
}

}  // namespace ostrel::testing
