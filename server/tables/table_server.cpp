#include "server/tables/table_server.h"

#include <array>
#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/asio/write.hpp>
#include <chrono>
#include <cmath>
#include <ctime>
#include <deque>
#include <fstream>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <thread>
#include <type_traits>

#include "server/service/tour.h"
#include "server/tables/game_table.h"
#include "sim/json_log.h"

namespace ostrel::server {
namespace {

namespace net = boost::asio;
using tcp = net::ip::tcp;

constexpr int kMaxWaitingPerTable = 8;    // connections that have not yet named their seat
constexpr std::size_t kMaxQueued = 1024;  // records waiting to be written to one player
constexpr auto kClockTick = std::chrono::milliseconds(200);

std::int64_t NowMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

}  // namespace

int EloChange(int own_team_mean, int other_team_mean, double result) {
  const double expected = 1.0 / (1.0 + std::pow(10.0, (other_team_mean - own_team_mean) / 400.0));
  return static_cast<int>(std::lround(32.0 * (result - expected)));
}

struct Table;

struct Conn : std::enable_shared_from_this<Conn> {
  Conn(tcp::socket s, Table& t) : socket(std::move(s)), table(t), timer(socket.get_executor()) {}
  tcp::socket socket;
  Table& table;
  net::steady_timer timer;
  std::string peer;
  int seat = 0;
  lan::RecordFramer framer{lan::From::kClient};
  std::array<char, 512> buffer{};
  std::deque<std::string> out;
  bool writing = false;
  bool closing = false;  // close once everything queued is written
  bool closed = false;
};

struct Table {
  Table(TableServer::Impl& i, int n) : impl(i), number(n), acceptor(), clock() {}
  TableServer::Impl& impl;
  int number;
  std::optional<tcp::acceptor> acceptor;
  std::optional<net::steady_timer> clock;
  std::array<std::shared_ptr<Conn>, kTableSeats + 1> seats{};
  int waiting = 0;
  std::unique_ptr<GameTable> game;
  std::array<SeatRow, kTourSeatCount> players{};  // as booked when the game started
  // The game's events in the simulator's JSON-lines form, written out when it ends.
  std::ostringstream log_text;
  std::unique_ptr<sim::JsonLogPort> log_port;
};

struct TableServer::Impl : std::enable_shared_from_this<TableServer::Impl> {
  Impl(Store& s, TableServerOptions o, Log l)
      : store(s), options(std::move(o)), log(std::move(l)) {}
  net::io_context ioc{1};
  Store& store;
  TableServerOptions options;
  Log log;
  std::vector<std::unique_ptr<Table>> tables;
  std::thread thread;
  std::optional<net::steady_timer> sweep;

  void Sweep();

  void Accept(Table& t);
  void Read(const std::shared_ptr<Conn>& c);
  void OnRecord(const std::shared_ptr<Conn>& c, const lan::TourRecord& record);
  void Identify(const std::shared_ptr<Conn>& c, int seat);
  void Send(Table& t, const std::vector<TableSend>& sends);
  void Write(const std::shared_ptr<Conn>& c);
  void Close(const std::shared_ptr<Conn>& c);
  void Lost(const std::shared_ptr<Conn>& c);
  void Clock(Table& t);
  void AfterStep(Table& t);
  void Finish(Table& t);
  void Note(const Table& t, const std::string& text) {
    if (log) log("table " + std::to_string(t.number) + ": " + text);
  }
};

void TableServer::Impl::Accept(Table& t) {
  t.acceptor->async_accept([this, &t](boost::system::error_code ec, tcp::socket socket) {
    if (ec == net::error::operation_aborted) return;
    if (!ec) {
      if (t.waiting >= kMaxWaitingPerTable) {
        socket.close(ec);
      } else {
        auto c = std::make_shared<Conn>(std::move(socket), t);
        c->peer = c->socket.remote_endpoint(ec).address().to_string();
        c->socket.set_option(tcp::no_delay(true), ec);  // one small record per move
        ++t.waiting;
        c->timer.expires_after(std::chrono::milliseconds(options.connect_timeout_ms));
        c->timer.async_wait([this, c](boost::system::error_code e) {
          if (!e && c->seat == 0) Close(c);
        });
        Read(c);
      }
    }
    Accept(t);
  });
}

void TableServer::Impl::Read(const std::shared_ptr<Conn>& c) {
  c->socket.async_read_some(net::buffer(c->buffer), [this, c](boost::system::error_code ec,
                                                              std::size_t n) {
    if (ec || c->closed) return Lost(c);
    c->framer.Feed(std::string_view(c->buffer.data(), n));
    while (!c->closed) {
      auto frame = c->framer.Next();
      if (!frame) break;
      auto record = lan::DecodeRecord(*frame, lan::From::kClient);
      if (!record.ok()) {
        Note(c->table, "seat " + std::to_string(c->seat) + " sent an unreadable record, closed");
        return Lost(c);
      }
      OnRecord(c, record.value());
    }
    if (!c->closed) Read(c);
  });
}

void TableServer::Impl::OnRecord(const std::shared_ptr<Conn>& c, const lan::TourRecord& record) {
  Table& t = c->table;
  if (c->seat == 0) {
    const auto* connect = std::get_if<lan::TourConnect>(&record.payload);
    if (!connect) return Lost(c);
    return Identify(c, connect->seat);
  }
  if (!t.game || !t.game->Running()) {
    // Before the game only giving the seat up makes sense; the web request frees it.
    if (std::holds_alternative<lan::TourGiveUp>(record.payload)) Lost(c);
    return;
  }
  auto r = t.game->Receive(c->seat, record, NowMs());
  if (r.refused) Note(t, "seat " + std::to_string(c->seat) + " refused: " + r.reason);
  Send(t, r.sends);
  if (r.close) Lost(c);
  AfterStep(t);
}

void TableServer::Impl::Identify(const std::shared_ptr<Conn>& c, int seat) {
  Table& t = c->table;
  const SeatRow booked =
      store.ReadSeats()[static_cast<std::size_t>(t.number - 1)][static_cast<std::size_t>(seat - 1)];
  if (seat < 1 || seat > kTableSeats || booked.Free() || booked.peer != c->peer ||
      t.seats[static_cast<std::size_t>(seat)] || (t.game && t.game->Running())) {
    Note(t, "a connection from " + c->peer + " for seat " + std::to_string(seat) + " refused");
    return Lost(c);
  }
  c->seat = seat;
  --t.waiting;
  c->timer.cancel();
  t.seats[static_cast<std::size_t>(seat)] = c;
  for (int s = 1; s <= kTableSeats; ++s) {
    if (!t.seats[static_cast<std::size_t>(s)]) return;
  }
  t.players = store.ReadSeats()[static_cast<std::size_t>(t.number - 1)];
  t.game = std::make_unique<GameTable>(options.move_seconds * 1000LL + options.allowance_ms);
  t.log_text.str("");
  t.log_port = std::make_unique<sim::JsonLogPort>(&t.log_text, t.game->Engine().Record());
  t.log_port->GameStarted(1, t.game->Engine().Options());
  // The server's engine is place 1 of the table: the players' logs map onto it by their seats.
  t.log_port->Raw(
      "{\"event\":\"tournament\",\"server\":true,\"table\":" + std::to_string(t.number) + "}");
  t.game->SetObserver([&t](const Fact& fact) {
    std::visit(
        [&t](const auto& f) {
          using F = std::decay_t<decltype(f)>;
          if constexpr (std::is_same_v<F, DealStartFact>) {
            t.log_port->DealStarted();
          } else if constexpr (std::is_constructible_v<Effect, F>) {
            t.log_port->Show(Effect{f});
          }
        },
        fact);
  });
  Note(t, "the game begins");
  Send(t, t.game->Start(NowMs()));
  Clock(t);
}

void TableServer::Impl::Send(Table& t, const std::vector<TableSend>& sends) {
  for (const auto& s : sends) {
    auto& c = t.seats[static_cast<std::size_t>(s.seat)];
    if (!c || c->closed) continue;
    if (c->out.size() >= kMaxQueued) {  // a player who does not read: dropped as leaving
      Note(t, "seat " + std::to_string(s.seat) + " does not read, closed");
      Lost(std::shared_ptr<Conn>(c));  // a copy: Lost resets the table's pointer
      continue;
    }
    c->out.push_back(s.bytes);
    Write(c);
  }
}

void TableServer::Impl::Write(const std::shared_ptr<Conn>& c) {
  if (c->writing || c->closed) return;
  if (c->out.empty()) {
    if (c->closing) Close(c);
    return;
  }
  c->writing = true;
  net::async_write(c->socket, net::buffer(c->out.front()),
                   [this, c](boost::system::error_code ec, std::size_t) {
                     c->writing = false;
                     if (ec) return Lost(c);
                     c->out.pop_front();
                     Write(c);
                   });
}

void TableServer::Impl::Close(const std::shared_ptr<Conn>& c) {
  if (c->closed) return;
  c->closed = true;
  boost::system::error_code ec;
  c->timer.cancel();
  c->socket.shutdown(tcp::socket::shutdown_both, ec);
  c->socket.close(ec);
  Table& t = c->table;
  if (c->seat == 0) {
    --t.waiting;
  } else if (t.seats[static_cast<std::size_t>(c->seat)] == c) {
    t.seats[static_cast<std::size_t>(c->seat)].reset();
  }
}

// A connection that went away or was dropped: a leaving player when its game runs.
void TableServer::Impl::Lost(const std::shared_ptr<Conn>& c) {
  if (c->closed) return;
  const int seat = c->seat;
  Close(c);
  Table& t = c->table;
  if (seat != 0 && t.game && t.game->Running()) {
    Note(t, "seat " + std::to_string(seat) + " left");
    Send(t, t.game->Leave(seat));
    AfterStep(t);
  }
}

void TableServer::Impl::Clock(Table& t) {
  if (!t.clock) t.clock.emplace(ioc);
  t.clock->expires_after(kClockTick);
  t.clock->async_wait([this, &t](boost::system::error_code ec) {
    if (ec || !t.game || !t.game->Running()) return;
    Send(t, t.game->Tick(NowMs()));
    AfterStep(t);
    if (t.game && t.game->Running()) Clock(t);
  });
}

void TableServer::Impl::Sweep() {
  sweep->expires_after(std::chrono::milliseconds(options.sweep_ms));
  sweep->async_wait([this](boost::system::error_code ec) {
    if (ec) return;
    const std::int64_t now = std::time(nullptr);
    const std::int64_t wait = options.full_table_wait_seconds;
    std::vector<int> freed;
    store.ChangeSeats([&](TourSeats& seats) {
      for (auto& t : tables) {
        auto& table = seats[static_cast<std::size_t>(t->number - 1)];
        const auto& last = table[kTourSeatCount - 1];
        if (!last.Free() && !(t->game && t->game->Running()) && now - last.taken >= wait) {
          FreeSeatsFrom(table, 1, true);
          freed.push_back(t->number);
        }
      }
      return 0;
    });
    for (int n : freed) {
      Table& t = *tables[static_cast<std::size_t>(n - 1)];
      Note(t, "the four players did not all come: the table is free again");
      for (auto& c : t.seats) {
        if (c) Close(c);
      }
    }
    Sweep();
  });
}

void TableServer::Impl::AfterStep(Table& t) {
  if (t.game && t.game->Over()) Finish(t);
}

void TableServer::Impl::Finish(Table& t) {
  const GameSummary sum = t.game->Summary();
  // Seats 1 and 2 play against seats 3 and 4. Who leaves or runs out of time loses.
  double result_12 = sum.margin > 0 ? 1.0 : sum.margin < 0 ? 0.0 : 0.5;
  if (sum.end == GameEnd::kLeft || sum.end == GameEnd::kTimeOut) {
    result_12 = sum.culprit <= 2 ? 0.0 : 1.0;
  }
  std::array<TourFigures, kTourSeatCount> f;
  for (std::size_t i = 0; i < f.size(); ++i) {
    auto known = store.ReadTourFigures(t.players[i].holder_key);
    f[i] = known ? *known : TourFigures{t.players[i].nick, 0, 0, kInitialTourRating, "", ""};
  }
  const int mean_12 = (f[0].rating + f[1].rating) / 2;
  const int mean_34 = (f[2].rating + f[3].rating) / 2;
  const int change = EloChange(mean_12, mean_34, result_12);
  const int margin = sum.end == GameEnd::kFinished ? sum.margin : 0;
  for (std::size_t i = 0; i < f.size(); ++i) {
    const bool first_team = i < 2;
    store.SaveTourFigures(t.players[i].holder_key, f[i].score + (first_team ? margin : -margin),
                          f[i].kon + 1, f[i].rating + (first_team ? change : -change));
  }
  const int number = t.number;
  store.ChangeSeats([number](TourSeats& seats) {
    FreeSeatsFrom(seats[static_cast<std::size_t>(number - 1)], 1, true);
    return 0;
  });
  Note(t,
       "the game is over (" +
           std::string(sum.end == GameEnd::kFinished ? "finished"
                       : sum.end == GameEnd::kLeft   ? "a player left"
                                                     : "time ran out") +
           "), margin of seats 1 and 2: " + std::to_string(sum.margin) +
           (sum.end == GameEnd::kFinished && !sum.seat1_agreed ? ", seat 1 reported another" : ""));
  if (!options.game_log_dir.empty()) {
    if (sum.end == GameEnd::kFinished) t.log_port->Show(Effect{GameEndFact{}});
    std::ofstream out(options.game_log_dir + "/table" + std::to_string(number) + ".jsonl",
                      std::ios::app);
    out << t.log_text.str();
    out << "{\"event\":\"tournament_game\",\"table\":" << number << ",\"end\":\""
        << (sum.end == GameEnd::kFinished ? "finished"
            : sum.end == GameEnd::kLeft   ? "left"
                                          : "time_out")
        << "\",\"culprit\":" << sum.culprit << ",\"deals\":" << sum.deals
        << ",\"margin\":" << sum.margin << "}\n";
    if (!out) Note(t, "the game log could not be written to " + options.game_log_dir);
  }
  t.log_port.reset();
  for (auto& c : t.seats) {
    if (!c) continue;
    c->closing = true;
    Write(c);
  }
  t.game.reset();
}

TableServer::TableServer(Store& store, TableServerOptions options, Log log)
    : impl_(std::make_shared<Impl>(store, std::move(options), std::move(log))) {
  auto& i = *impl_;
  const auto address = net::ip::make_address(i.options.address);
  for (int n = 1; n <= kTourTableCount; ++n) {
    auto t = std::make_unique<Table>(i, n);
    t->acceptor.emplace(i.ioc);
    const std::uint16_t port =
        i.options.base_port == 0 ? 0 : static_cast<std::uint16_t>(i.options.base_port + n);
    tcp::endpoint endpoint(address, port);
    boost::system::error_code ec;
    t->acceptor->open(endpoint.protocol(), ec);
    if (!ec) t->acceptor->set_option(net::socket_base::reuse_address(true), ec);
    if (!ec) t->acceptor->bind(endpoint, ec);
    if (!ec) t->acceptor->listen(net::socket_base::max_listen_connections, ec);
    if (ec) {
      throw std::runtime_error("cannot listen for table " + std::to_string(n) + " on " +
                               i.options.address + ":" + std::to_string(port) + ": " +
                               ec.message());
    }
    i.tables.push_back(std::move(t));
  }
}

TableServer::~TableServer() {
  auto impl = impl_;
  net::post(impl->ioc, [impl] {
    for (auto& t : impl->tables) {
      boost::system::error_code ec;
      t->acceptor->close(ec);
      if (t->clock) t->clock->cancel();
      for (auto& c : t->seats) {
        if (c) impl->Close(c);
      }
    }
    if (impl->sweep) impl->sweep->cancel();
    impl->ioc.stop();
  });
  if (impl->thread.joinable()) impl->thread.join();
}

std::uint16_t TableServer::port(int table) const {
  return impl_->tables.at(static_cast<std::size_t>(table - 1))->acceptor->local_endpoint().port();
}

void TableServer::Start() {
  for (auto& t : impl_->tables) impl_->Accept(*t);
  impl_->sweep.emplace(impl_->ioc);
  impl_->Sweep();
  impl_->thread = std::thread([impl = impl_] { impl->ioc.run(); });
}

}  // namespace ostrel::server
