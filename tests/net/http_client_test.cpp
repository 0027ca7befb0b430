// The HTTP client against a local server that also answers the way broken networks and
// hostile servers do: whatever comes back, a download either puts the whole verified file in
// place or leaves the folder exactly as it was.
#include "net/http_client.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "support/local_http_server.h"

namespace ostrel {
namespace {

namespace fs = std::filesystem;
using testing::HttpReply;
using testing::LocalHttpServer;

// Bytes no text handling would carry through unharmed.
std::string Binary(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
  return bytes;
}

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

class Http : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/ostrel-http-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::set<std::string> Files() const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_)) names.insert(entry.path().filename());
    return names;
  }
  void Put(const std::string& name, const std::string& bytes) {
    std::ofstream(dir_ / name, std::ios::binary) << bytes;
  }
  std::string Target() const { return (dir_ / "pack.dll").string(); }

  LocalHttpServer server_;
  fs::path dir_;
};

TEST_F(Http, GetReturnsTheWholeBody) {
  const std::string body = Binary(300000);
  server_.Serve("/list", HttpReply::Body(body));
  const HttpResult r = HttpGet(server_.Url("/list"));
  EXPECT_TRUE(r.ok) << r.error;
  EXPECT_EQ(r.status, 200);
  EXPECT_EQ(r.body, body);
  EXPECT_EQ(r.error, "");
  EXPECT_EQ(server_.Requests(), std::vector<std::string>{"/list"});
}

struct FailureCase {
  const char* name;
  HttpReply reply;
  long status;
  const char* error;
};

std::vector<FailureCase> Failures() {
  HttpReply silent;
  silent.close_without_reply = true;
  HttpReply slow = HttpReply::Body("late");
  slow.delay_ms = 3000;
  return {
      {"not found", HttpReply::Status(404), 404, "HTTP 404"},
      {"server error with empty body",
       [] {
         HttpReply r = HttpReply::Status(500);
         r.body.clear();
         return r;
       }(),
       500, "HTTP 500"},
      {"body cut short", HttpReply::CutAfter(Binary(50000), 20000), 200, "the answer ended early"},
      {"empty body announced as longer", HttpReply::CutAfter("abc", 0), 200,
       "the answer ended early"},
      {"closed without a reply", silent, 0, "the server closed the connection without an answer"},
      {"too slow", slow, 0, "no complete answer within 1 second"},
  };
}

// The song list and a pack may be fetched at the same time, the first call of all included.
TEST_F(Http, CallsFromSeveralThreadsAtOnceAllSucceed) {
  server_.Serve("/a", HttpReply::Body(Binary(20000)));
  std::vector<HttpResult> results(4);
  std::vector<std::thread> threads;
  for (HttpResult& r : results) threads.emplace_back([&] { r = HttpGet(server_.Url("/a")); });
  for (std::thread& t : threads) t.join();
  for (const HttpResult& r : results) {
    EXPECT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.body, Binary(20000));
  }
}

TEST_F(Http, GetFailuresSayWhatHappened) {
  for (const FailureCase& c : Failures()) {
    SCOPED_TRACE(c.name);
    server_.Serve("/x", c.reply);
    const HttpResult r = HttpGet(server_.Url("/x"), 1);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.error, c.error);
    EXPECT_EQ(r.body, "");
  }
}

TEST_F(Http, GetKeepsAtMostTheCapInMemory) {
  server_.Serve("/cap", HttpReply::Body(std::string(kHttpGetMaxBody, 'a')));
  server_.Serve("/over", HttpReply::Body(std::string(kHttpGetMaxBody + 1, 'a')));
  // A server that announces a huge answer is refused before it sends it.
  HttpReply huge = HttpReply::Body(std::string(1000, 'x'));
  huge.content_length = std::size_t{1} << 40;
  server_.Serve("/huge", huge);
  const HttpResult at_cap = HttpGet(server_.Url("/cap"));
  EXPECT_TRUE(at_cap.ok) << at_cap.error;
  EXPECT_EQ(at_cap.body.size(), kHttpGetMaxBody);
  for (const char* path : {"/over", "/huge"}) {
    SCOPED_TRACE(path);
    const HttpResult r = HttpGet(server_.Url(path));
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, "the answer is larger than 4 MiB");
    EXPECT_EQ(r.body, "");
  }
}

TEST_F(Http, ARefusedConnectionIsNamed) {
  std::string url;
  {
    LocalHttpServer gone;
    url = gone.Url("/x");
  }
  EXPECT_EQ(HttpGet(url).error, "connection refused");
  const DownloadResult d = HttpDownloadFile(url, Target());
  EXPECT_EQ(d.error, "connection refused");
  EXPECT_TRUE(Files().empty());
}

TEST_F(Http, OnlyHttpAddressesAreTried) {
  server_.Serve("/x", HttpReply::Body("data"));
  const std::string port = std::to_string(server_.Port());
  for (const std::string& url : std::vector<std::string>{
           "ftp://127.0.0.1:" + port + "/x", "file:///etc/passwd", "127.0.0.1:" + port + "/x",
           std::string(), "http://", "https:///x", "gopher://127.0.0.1:" + port + "/x"}) {
    SCOPED_TRACE(url);
    EXPECT_EQ(HttpGet(url).error, "only http:// and https:// addresses are accepted");
    const DownloadResult d = HttpDownloadFile(url, Target());
    EXPECT_FALSE(d.ok);
    EXPECT_EQ(d.error, "only http:// and https:// addresses are accepted");
  }
  EXPECT_EQ(HttpGet(server_.Url("/x y")).error, "the address is not valid");
  // Upper-case schemes are the same scheme.
  EXPECT_TRUE(HttpGet("HTTP://127.0.0.1:" + port + "/x").ok);
  EXPECT_EQ(server_.Requests(), std::vector<std::string>{"/x"});
  EXPECT_TRUE(Files().empty());
}

TEST_F(Http, RedirectsAreFollowedButNotOutOfHttp) {
  server_.Serve("/new", HttpReply::Body("moved here"));
  HttpReply moved = HttpReply::Status(302);
  moved.headers = {{"Location", "/new"}};
  server_.Serve("/old", moved);
  HttpReply to_file = HttpReply::Status(302);
  to_file.headers = {{"Location", "file:///etc/passwd"}};
  server_.Serve("/sneaky", to_file);
  EXPECT_EQ(HttpGet(server_.Url("/old")).body, "moved here");
  const HttpResult r = HttpGet(server_.Url("/sneaky"));
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.error, "only http:// and https:// addresses are accepted");
}

TEST_F(Http, DownloadPutsTheVerifiedFileInPlace) {
  const std::string body = Binary(1 << 20);
  server_.Serve("/p", HttpReply::Body(body));
  Put("pack.dll", "old copy");
  std::string checked;
  const DownloadResult d =
      HttpDownloadFile(server_.Url("/p"), Target(), 60, [&](const std::string& temp) {
        // The whole file is there, beside the target,
        // and the old copy still in place.
        EXPECT_EQ(fs::path(temp).parent_path(), dir_);
        EXPECT_EQ(ReadAll(Target()), "old copy");
        checked = ReadAll(temp);
        return true;
      });
  EXPECT_TRUE(d.ok) << d.error;
  EXPECT_EQ(checked, body);
  EXPECT_EQ(ReadAll(Target()), body);
  EXPECT_EQ(Files(), std::set<std::string>{"pack.dll"});
}

TEST_F(Http, AFailedDownloadLeavesTheFolderAsItWas) {
  std::vector<FailureCase> cases = Failures();
  cases.push_back(
      {"refused by the check", HttpReply::Body("bad pack"), 200, "the file was refused"});
  for (const FailureCase& c : cases) {
    for (bool existing : {false, true}) {
      SCOPED_TRACE(std::string(c.name) + (existing ? ", over an old copy" : ""));
      if (existing) Put("pack.dll", "old copy");
      server_.Serve("/p", c.reply);
      const DownloadResult d = HttpDownloadFile(server_.Url("/p"), Target(), 1,
                                                [](const std::string&) { return false; });
      EXPECT_FALSE(d.ok);
      EXPECT_EQ(d.error, c.error);
      if (existing) {
        EXPECT_EQ(Files(), std::set<std::string>{"pack.dll"});
        EXPECT_EQ(ReadAll(Target()), "old copy");
      } else {
        EXPECT_EQ(Files(), std::set<std::string>{});
      }
      fs::remove(Target());
    }
  }
}

TEST_F(Http, AThrowingCheckStillTakesTheTemporaryFileAway) {
  server_.Serve("/p", HttpReply::Body("data"));
  EXPECT_THROW(
      HttpDownloadFile(server_.Url("/p"), Target(), 60,
                       [](const std::string&) -> bool { throw std::runtime_error("check broke"); }),
      std::runtime_error);
  EXPECT_TRUE(Files().empty());
}

TEST_F(Http, ADownloadIntoAMissingFolderFailsWithAMessage) {
  server_.Serve("/p", HttpReply::Body("data"));
  const std::string target = (dir_ / "no such folder" / "pack.dll").string();
  const DownloadResult d = HttpDownloadFile(server_.Url("/p"), target);
  EXPECT_FALSE(d.ok);
  EXPECT_EQ(d.error.rfind("cannot create a file beside " + target + ": ", 0), 0u) << d.error;
  EXPECT_TRUE(server_.Requests().empty());
}

}  // namespace
}  // namespace ostrel
