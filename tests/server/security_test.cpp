// Each rule that keeps the service whole, with a client that tries to break it: oversized
// bodies and headers, a slow client, a flood of connections, a burst of logins, racing
// registrations and a kill -9 in the middle of a stream of registrations.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "online/replies.h"
#include "server/store/store.h"
#include "server_process.h"
#include "test_db.h"
#include "wire_helpers.h"

namespace ostrel::server {
namespace {

using testing::Backend;
namespace on = ostrel::online;
using Clock = std::chrono::steady_clock;

class SecurityTest : public ::testing::Test {
 protected:
  void Start(std::vector<std::string> extra = {}) {
    std::vector<std::string> args = {
        "--data", dir_.path(), "--hash-cost", "minimum", "--request-timeout-ms", "1500"};
    args.insert(args.end(), extra.begin(), extra.end());
    server_ = std::make_unique<testing::ServerProcess>(OSTREL_SERVER_BINARY, args);
  }
  bool Healthy() {
    return testing::HttpCall(server_->port(), "GET", "/healthz", "", "", 3000).status == 200;
  }

  testing::TempDir dir_;
  std::unique_ptr<testing::ServerProcess> server_;
};

TEST_F(SecurityTest, OversizedBodiesAndHeadersAreRefused) {
  Start();
  const auto port = server_->port();
  auto big = testing::Post(port, "/service/account", std::string(10 << 20, 'a'));
  EXPECT_TRUE(big.status == 413 || big.status == 0) << big.status;
  auto over = testing::Post(port, "/service/account", std::string(64 * 1024 + 1, 'a'));
  EXPECT_EQ(over.status, 413);
  auto photo = testing::UploadPhoto(port, "Nick", "pass", std::string(300 * 1024, 'j'));
  EXPECT_TRUE(photo.status == 413 || photo.status == 0) << photo.status;
  // A header block over 8 KiB.
  int fd = testing::ConnectLoopback(port);
  std::string req =
      "GET /healthz HTTP/1.1\r\nHost: x\r\nX-Fill: " + std::string(9000, 'h') + "\r\n\r\n";
  send(fd, req.data(), req.size(), MSG_NOSIGNAL);
  std::string got = testing::ReadAll(fd, 3000);
  close(fd);
  EXPECT_EQ(got.rfind("HTTP/1.1 431", 0), 0u) << got.substr(0, 40);
  EXPECT_TRUE(Healthy());
}

TEST_F(SecurityTest, ASlowClientIsDroppedWithoutHarmToOthers) {
  Start();
  int fd = testing::ConnectLoopback(server_->port());
  ASSERT_GE(fd, 0);
  const std::string req =
      "POST /service/account HTTP/1.1\r\nHost: x\r\nContent-Length: 9\r\n\r\nlabel1=0";
  auto start = Clock::now();
  bool closed = false;
  for (std::size_t i = 0; i < req.size() && !closed; ++i) {
    if (send(fd, &req[i], 1, MSG_NOSIGNAL) <= 0) break;
    EXPECT_TRUE(i != 3 || Healthy());  // others are served meanwhile
    testing::ReadAll(fd, 250, &closed);
  }
  if (!closed) testing::ReadAll(fd, 3000, &closed);
  close(fd);
  EXPECT_TRUE(closed);
  EXPECT_LT(Clock::now() - start, std::chrono::seconds(5));
  EXPECT_TRUE(Healthy());
}

TEST_F(SecurityTest, TooManyConnectionsFromOneAddressAreRefused) {
  Start({"--max-connections-per-address", "4"});
  std::vector<int> held;
  for (int i = 0; i < 4; ++i) held.push_back(testing::ConnectLoopback(server_->port()));
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  int extra = testing::ConnectLoopback(server_->port());
  bool closed = false;
  testing::ReadAll(extra, 2000, &closed);
  EXPECT_TRUE(closed);
  close(extra);
  for (int fd : held) close(fd);
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  EXPECT_TRUE(Healthy());
}

TEST_F(SecurityTest, ABurstOfLoginsNeitherOpensNorStopsTheService) {
  Start();
  const auto port = server_->port();
  ASSERT_EQ(on::ParseRegisterReply(testing::SendRequest(
                port, on::RegisterRequest{testing::SampleUser("Target", "right12")})),
            on::RegisterResult::Created);
  std::atomic<int> opened{0};
  std::vector<std::thread> burst;
  for (int t = 0; t < 8; ++t) {
    burst.emplace_back([&, t] {
      for (int i = 0; i < 5; ++i) {
        auto r = on::ParseLoginReply(
            testing::SendRequest(port,
                                 on::LoginRequest{"Target", "wrong" + std::to_string(t * 5 + i)}),
            {});
        if (r.ok() && r->has_value()) ++opened;
      }
    });
  }
  EXPECT_TRUE(Healthy());
  for (auto& t : burst) t.join();
  EXPECT_EQ(opened.load(), 0);
  // Locked now (by nick and by this address): the right password is answered "no" too.
  auto locked =
      on::ParseLoginReply(testing::SendRequest(port, on::LoginRequest{"Target", "right12"}), {});
  ASSERT_TRUE(locked.ok());
  EXPECT_FALSE(locked->has_value());
}

TEST_F(SecurityTest, TwoRegistrationsOfOneNickAtOnceHaveOneWinner) {
  Start();
  const auto port = server_->port();
  std::atomic<int> created{0};
  std::vector<std::thread> racers;
  for (int t = 0; t < 6; ++t) {
    racers.emplace_back([&, t] {
      auto u = testing::SampleUser(t % 2 ? "Twin" : "TWIN", "pass" + std::to_string(1000 + t));
      if (on::ParseRegisterReply(testing::SendRequest(port, on::RegisterRequest{u})) ==
          on::RegisterResult::Created) {
        ++created;
      }
    });
  }
  for (auto& t : racers) t.join();
  EXPECT_EQ(created.load(), 1);
}

class KillTest : public ::testing::TestWithParam<Backend> {};

TEST_P(KillTest, KillDuringRegistrationsKeepsEveryAcceptedAccount) {
  testing::TempDir dir;
  auto url = testing::FreshDatabase(GetParam(), dir);
  if (!url) GTEST_SKIP() << "PostgreSQL is not configured (run under pg_virtualenv)";
  auto server = std::make_unique<testing::ServerProcess>(
      OSTREL_SERVER_BINARY,
      std::vector<std::string>{"--data", dir.path(), "--db", *url, "--hash-cost", "minimum",
                               "--registrations-per-hour", "100000"});
  const auto port = server->port();
  std::vector<std::string> accepted;
  std::mutex mutex;
  std::atomic<bool> stop{false};
  std::vector<std::thread> writers;
  for (int t = 0; t < 3; ++t) {
    writers.emplace_back([&, t] {
      for (int i = 0; i < 2000 && !stop; ++i) {
        std::string nick = "K" + std::to_string(t) + "n" + std::to_string(i);
        std::string reply =
            testing::SendRequest(port, on::RegisterRequest{testing::SampleUser(nick, "pw1234")});
        if (on::ParseRegisterReply(reply) == on::RegisterResult::Created) {
          std::lock_guard lock(mutex);
          accepted.push_back(nick);
        }
      }
    });
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(400));
  server->Kill();
  stop = true;
  for (auto& w : writers) w.join();
  Store store(*url, 1);  // opens: the database is consistent
  ASSERT_FALSE(accepted.empty());
  for (const auto& nick : accepted) {
    auto a = store.FindAccount(nick);
    ASSERT_TRUE(a.has_value()) << nick;
    EXPECT_TRUE(store.ReadProfile(nick).has_value()) << nick;
    EXPECT_TRUE(store.ReadRated(nick, on::kAccountPrefix).has_value()) << nick;
  }
}

INSTANTIATE_TEST_SUITE_P(Databases, KillTest,
                         ::testing::Values(Backend::kSqlite, Backend::kPostgres),
                         [](const auto& info) { return testing::BackendName(info.param); });

}  // namespace
}  // namespace ostrel::server
