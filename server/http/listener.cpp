#include "server/http/listener.h"

#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/signal_set.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <chrono>
#include <optional>
#include <unordered_map>

namespace ostrel::server {
namespace {

namespace beast = boost::beast;
namespace http = beast::http;
namespace net = boost::asio;
using tcp = net::ip::tcp;
using Clock = std::chrono::steady_clock;

// What the log may show of a target: the path only (a query could carry anything a client
// chose to put there, a password too), printable and short.
std::string LoggedTarget(std::string_view target) {
  std::string out;
  for (char c : target.substr(0, target.find('?'))) {
    if (out.size() >= 120) {
      out += "...";
      break;
    }
    out += (c > 32 && c < 127) ? c : '?';
  }
  if (target.find('?') != std::string_view::npos) out += "?...";
  return out;
}

}  // namespace

class Session;

struct HttpServer::Impl {
  net::io_context ioc{1};
  tcp::acceptor acceptor{ioc};
  net::signal_set signals{ioc};
  HttpLimits limits;
  HttpHandler handler;
  HttpLog log;
  std::unordered_map<std::string, int> per_address;
  int total = 0;
  bool stopping = false;
  std::unordered_map<Session*, std::weak_ptr<Session>> sessions;

  void Accept();
  void StopNow();
};

class Session : public std::enable_shared_from_this<Session> {
 public:
  Session(tcp::socket socket, HttpServer::Impl& server, std::string address)
      : stream_(std::move(socket)),
        timer_(server.ioc),
        server_(server),
        address_(std::move(address)) {}

  ~Session() {
    if (--server_.per_address[address_] <= 0) server_.per_address.erase(address_);
    --server_.total;
    server_.sessions.erase(this);
  }

  void Start() {
    server_.sessions[this] = weak_from_this();
    ReadHeader();
  }

  // Closes an idle or reading connection at once; one whose request is being answered ends
  // after its answer.
  void Shutdown() {
    if (busy_ && !streaming_) return;
    timer_.cancel();
    beast::error_code ignored;
    stream_.socket().close(ignored);
  }

 private:
  const HttpLimits& limits() const { return server_.limits; }

  void ReadHeader() {
    if (server_.stopping) return;
    parser_.emplace();
    parser_->header_limit(static_cast<std::uint32_t>(limits().max_header));
    parser_->body_limit(limits().max_body);
    // One deadline for the whole request: a client that trickles its bytes is cut off.
    stream_.expires_after(std::chrono::milliseconds(limits().request_timeout_ms));
    http::async_read_header(
        stream_, buffer_, *parser_,
        [self = shared_from_this()](beast::error_code ec, std::size_t) { self->OnHeader(ec); });
  }

  void OnHeader(beast::error_code ec) {
    if (ec) return Fail(ec);
    started_ = Clock::now();
    const auto& req = parser_->get();
    if (req.method() == http::verb::post && req.target() == limits().upload_target) {
      parser_->body_limit(limits().max_upload_body);
    }
    http::async_read(
        stream_, buffer_, *parser_,
        [self = shared_from_this()](beast::error_code ec, std::size_t) { self->OnRequest(ec); });
  }

  void Fail(beast::error_code ec) {
    if (ec == http::error::header_limit) return Refuse(431, "header too large");
    if (ec == http::error::body_limit) return Refuse(413, "body too large");
    if (ec == http::error::end_of_stream || ec == beast::error::timeout ||
        ec == net::error::operation_aborted || ec == net::error::connection_reset ||
        ec == net::error::eof) {
      return Close();
    }
    if (ec.category() == http::make_error_code(http::error::bad_target).category())
      return Refuse(400, "bad request");
    Close();
  }

  void Refuse(int status, const std::string& why) {
    HttpResponse r;
    r.status = status;
    r.body = why;
    keep_alive_ = false;
    if (started_ == Clock::time_point{}) started_ = Clock::now();
    Write(std::move(r));
  }

  void OnRequest(beast::error_code ec) {
    if (ec) return Fail(ec);
    auto req = parser_->release();
    keep_alive_ = req.keep_alive() && ++served_ < limits().max_requests_per_connection;
    HttpRequest out;
    out.method = std::string(req.method_string());
    out.target = std::string(req.target());
    out.content_type = std::string(req[http::field::content_type]);
    out.accept_language = std::string(req[http::field::accept_language]).substr(0, 200);
    out.body = std::move(req.body());
    out.peer = address_;
    if (limits().trust_forwarded_for && IsLoopback()) {
      auto header = req["X-Forwarded-For"];
      std::string_view fwd(header.data(), header.size());
      if (auto comma = fwd.rfind(','); comma != std::string_view::npos) fwd = fwd.substr(comma + 1);
      while (!fwd.empty() && fwd.front() == ' ') fwd.remove_prefix(1);
      while (!fwd.empty() && fwd.back() == ' ') fwd.remove_suffix(1);
      if (!fwd.empty() && fwd.size() <= 45) out.peer = std::string(fwd);
    }
    method_ = out.method;
    target_ = LoggedTarget(out.target);
    peer_ = out.peer;
    busy_ = true;
    stream_.expires_never();
    auto guard = std::make_shared<net::executor_work_guard<net::io_context::executor_type>>(
        server_.ioc.get_executor());
    auto self = shared_from_this();
    server_.handler(std::move(out), [self, guard](HttpResponse r) {
      net::post(self->server_.ioc,
                [self, guard, r = std::move(r)]() mutable { self->Write(std::move(r)); });
    });
  }

  bool IsLoopback() const {
    beast::error_code ec;
    auto ep = stream_.socket().remote_endpoint(ec);
    return !ec && ep.address().is_loopback();
  }

  void Write(HttpResponse r) {
    busy_ = true;
    if (server_.stopping) keep_alive_ = false;
    status_ = r.status;
    stream_.expires_after(std::chrono::milliseconds(limits().write_timeout_ms));
    if (r.stream) return StartStream(std::move(r));
    if (!r.file.empty()) {
      http::file_body::value_type file;
      beast::error_code ec;
      file.open(r.file.c_str(), beast::file_mode::scan, ec);
      if (!ec) return Send(MakeResponse<http::file_body>(r, std::move(file)));
      r.status = status_ = 404;
      r.body = "not found";
    }
    std::string body = std::move(r.body);
    Send(MakeResponse<http::string_body>(r, std::move(body)));
  }

  template <class Body>
  std::shared_ptr<http::response<Body>> MakeResponse(const HttpResponse& r,
                                                     typename Body::value_type body) {
    auto res = std::make_shared<http::response<Body>>(static_cast<http::status>(r.status), 11);
    res->set(http::field::server, "ostrel-server");
    res->set(http::field::content_type, r.content_type);
    res->body() = std::move(body);
    res->keep_alive(keep_alive_);
    res->prepare_payload();
    return res;
  }

  template <class Response>
  void Send(std::shared_ptr<Response> res) {
    bytes_ = res->payload_size().value_or(0);
    http::async_write(stream_, *res,
                      [self = shared_from_this(), res](beast::error_code ec, std::size_t) {
                        self->OnWritten(ec);
                      });
  }

  void OnWritten(beast::error_code ec) {
    busy_ = false;
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - started_);
    LogLine(ms.count());
    started_ = {};
    if (ec || !keep_alive_) return Close();
    ReadHeader();
  }

  // An endless answer: the header, then the source's pieces as chunks, each within the write
  // time-out, until the client goes or the server stops.
  void StartStream(HttpResponse r) {
    streaming_ = true;
    keep_alive_ = false;
    auto res =
        std::make_shared<http::response<http::empty_body>>(static_cast<http::status>(r.status), 11);
    res->set(http::field::server, "ostrel-server");
    res->set(http::field::content_type, r.content_type);
    res->set(http::field::cache_control, "no-cache, no-store");
    res->keep_alive(false);
    res->chunked(true);
    auto sr = std::make_shared<http::response_serializer<http::empty_body>>(*res);
    http::async_write_header(stream_, *sr,
                             [self = shared_from_this(), res, sr, source = std::move(r.stream)](
                                 beast::error_code ec, std::size_t) {
                               if (ec) return self->EndStream();
                               self->StreamNext(source);
                             });
  }

  void StreamNext(std::shared_ptr<ByteSource> source) {
    if (server_.stopping) return EndStream();
    ByteSource::Piece piece = source->Next(Clock::now());
    const auto wait = piece.wait;
    if (piece.bytes.empty()) return StreamAfter(std::move(source), wait);
    auto data = std::make_shared<std::string>(std::move(piece.bytes));
    stream_.expires_after(std::chrono::milliseconds(limits().write_timeout_ms));
    net::async_write(
        stream_, http::make_chunk(net::buffer(*data)),
        [self = shared_from_this(), data, source, wait](beast::error_code ec, std::size_t) mutable {
          if (ec) return self->EndStream();
          self->bytes_ += data->size();
          self->StreamAfter(std::move(source), wait);
        });
  }

  void StreamAfter(std::shared_ptr<ByteSource> source, std::chrono::milliseconds wait) {
    if (wait.count() <= 0) return StreamNext(std::move(source));
    stream_.expires_never();
    timer_.expires_after(wait);
    timer_.async_wait([self = shared_from_this(), source](beast::error_code ec) mutable {
      if (ec) return self->EndStream();
      self->StreamNext(std::move(source));
    });
  }

  void EndStream() {
    busy_ = false;
    LogLine(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - started_).count());
    Close();
  }

  void LogLine(long long ms) {
    if (!server_.log) return;
    server_.log((peer_.empty() ? address_ : peer_) + " " + (method_.empty() ? "-" : method_) + " " +
                (target_.empty() ? "-" : target_) + " " + std::to_string(status_) + " " +
                std::to_string(bytes_) + " " + std::to_string(ms) + "ms");
  }

  void Close() {
    beast::error_code ignored;
    stream_.socket().shutdown(tcp::socket::shutdown_send, ignored);
    stream_.socket().close(ignored);
  }

  beast::tcp_stream stream_;
  net::steady_timer timer_;
  beast::flat_buffer buffer_;
  std::optional<http::request_parser<http::string_body>> parser_;
  HttpServer::Impl& server_;
  std::string address_, peer_, method_, target_;
  int served_ = 0, status_ = 0;
  std::uint64_t bytes_ = 0;
  bool keep_alive_ = false, busy_ = false, streaming_ = false;
  Clock::time_point started_{};
};

void HttpServer::Impl::Accept() {
  acceptor.async_accept([this](beast::error_code ec, tcp::socket socket) {
    if (ec) {
      if (ec == net::error::operation_aborted || stopping) return;
      return Accept();  // e.g. too many open files: the connection is lost, the server goes on
    }
    beast::error_code peer_ec;
    auto ep = socket.remote_endpoint(peer_ec);
    std::string address = peer_ec ? "?" : ep.address().to_string();
    if (total >= limits.max_connections ||
        per_address[address] >= limits.max_connections_per_address) {
      if (per_address[address] == 0) per_address.erase(address);
      socket.close(peer_ec);
      if (log) log(address + " refused: too many connections");
      return Accept();
    }
    // Answers go out at once: a header and a file body in two writes would otherwise wait
    // for the client's delayed acknowledgement.
    socket.set_option(tcp::no_delay(true), peer_ec);
    ++per_address[address];
    ++total;
    std::make_shared<Session>(std::move(socket), *this, address)->Start();
    Accept();
  });
}

void HttpServer::Impl::StopNow() {
  if (stopping) return;
  stopping = true;
  beast::error_code ignored;
  acceptor.close(ignored);
  signals.cancel(ignored);
  auto all = sessions;  // a closing session erases itself
  for (auto& [_, weak] : all) {
    if (auto s = weak.lock()) s->Shutdown();
  }
}

HttpServer::HttpServer(const std::string& address, std::uint16_t port, HttpLimits limits,
                       HttpHandler handler, HttpLog log)
    : impl_(std::make_shared<Impl>()) {
  impl_->limits = std::move(limits);
  impl_->handler = std::move(handler);
  impl_->log = std::move(log);
  beast::error_code ec;
  auto ip = net::ip::make_address(address, ec);
  if (ec) throw std::runtime_error("not an IP address: " + address);
  tcp::endpoint ep(ip, port);
  auto& a = impl_->acceptor;
  a.open(ep.protocol(), ec);
  if (!ec) a.set_option(net::socket_base::reuse_address(true), ec);
  if (!ec) a.bind(ep, ec);
  if (!ec) a.listen(net::socket_base::max_listen_connections, ec);
  if (ec)
    throw std::runtime_error("cannot listen on " + address + ":" + std::to_string(port) + ": " +
                             ec.message());
}

HttpServer::~HttpServer() = default;

std::uint16_t HttpServer::port() const {
  return impl_->acceptor.local_endpoint().port();
}

void HttpServer::Run(bool stop_on_signals) {
  auto impl = impl_;
  if (stop_on_signals) {
    impl->signals.add(SIGTERM);
    impl->signals.add(SIGINT);
    impl->signals.async_wait([impl](beast::error_code ec, int) {
      if (!ec) impl->StopNow();
    });
  }
  impl->Accept();
  impl->ioc.run();
}

void HttpServer::Stop() {
  auto impl = impl_;
  net::post(impl->ioc, [impl] { impl->StopNow(); });
}

}  // namespace ostrel::server
