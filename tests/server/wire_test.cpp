// Every request of the account group through a real socket to the built server, on both
// databases, with the program's codecs on this side; and the server's fixed addresses.
#include <gtest/gtest.h>
#include <sodium.h>

#include <filesystem>
#include <fstream>

#include "online/replies.h"
#include "online/requests.h"
#include "server/service/rated_rules.h"
#include "server/site/site_files.h"
#include "server_process.h"
#include "test_db.h"
#include "wire_helpers.h"

namespace ostrel::server {
namespace {

using testing::Backend;
namespace on = ostrel::online;

class WireTest : public ::testing::TestWithParam<Backend> {
 protected:
  void SetUp() override {
    auto url = testing::FreshDatabase(GetParam(), dir_);
    if (!url) GTEST_SKIP() << "PostgreSQL is not configured (run under pg_virtualenv)";
    site_ = dir_.path() + "/site";
    std::filesystem::create_directories(site_ + "/musik");
    std::filesystem::create_directories(site_ + "/downloads/progr/cards");
    std::ofstream(site_ + "/musik/_playlist.html") << "<a href=\"song.mp3\">song</a>";
    std::ofstream(site_ + "/downloads/progr/cards/TarvoCards1.dll") << std::string(5000, 'p');
    server_ = std::make_unique<testing::ServerProcess>(
        OSTREL_SERVER_BINARY,
        std::vector<std::string>{"--data", dir_.path(), "--db", *url, "--site-files", site_,
                                 "--hash-cost", "minimum"});
  }
  std::string Send(const on::Request& r) { return testing::SendRequest(server_->port(), r); }

  testing::TempDir dir_;
  std::string site_;
  std::unique_ptr<testing::ServerProcess> server_;
};

TEST_P(WireTest, EveryAccountRequestIsAnsweredInItsGrammar) {
  on::TTarvoUser user = testing::SampleUser("Wired", "pass123");
  EXPECT_EQ(on::ParseRegisterReply(Send(on::RegisterRequest{user})), on::RegisterResult::Created);
  EXPECT_EQ(on::ParseRegisterReply(Send(on::RegisterRequest{user})),
            on::RegisterResult::NickExists);
  auto login = on::ParseLoginReply(Send(on::LoginRequest{"Wired", "pass123"}), {});
  ASSERT_TRUE(login.ok() && login->has_value());
  EXPECT_EQ((*login)->City, user.City);
  auto refused = on::ParseLoginReply(Send(on::LoginRequest{"Wired", "pass124"}), {});
  ASSERT_TRUE(refused.ok());
  EXPECT_FALSE(refused->has_value());

  on::ProfileSaveRequest save{"Wired", "pass123", {}};
  save.Info.About = "Plays every evening";
  save.Info.YouTube = "youtube.com/@wired";
  EXPECT_TRUE(on::ParseOkReply(Send(save)));
  auto profile = on::ParseProfileReply(Send(on::ProfileReadRequest{"Wired"}));
  ASSERT_TRUE(profile.ok() && profile->has_value());
  EXPECT_EQ(**profile, save.Info);
  EXPECT_EQ(*on::ParseNumberReply(Send(on::ClubSizeRequest{})), 1);

  on::RatedRecordReadRequest read;
  read.Nick = "Wired";
  read.Pw = "pass123";
  auto record = on::ParseRatedRecordReply(Send(read), {});
  ASSERT_TRUE(record.ok() && record->has_value());
  on::RatedRecordSaveRequest start;
  start.Nick = "Wired";
  start.Pw = "pass123";
  start.Game = **record;
  start.Game.Kon = 1;
  start.Game.Rating = ProvisionalRating(0, 0);
  EXPECT_TRUE(on::ParseOkReply(Send(start)));
  on::RatedRecordSaveRequest end = start;
  end.Game.Rating = FinalRating(1, start.Game.Rating, 75);
  end.Game.KonL = 1;
  end.Game.Score = 75;
  EXPECT_TRUE(on::ParseOkReply(Send(end)));
  auto list = on::ParseRatingList(Send(on::RatingListRequest{}));
  ASSERT_TRUE(list.ok());
  ASSERT_EQ(list->size(), 1u);
  EXPECT_NEAR((*list)[0].Rating, 75.04, 1e-9);
  on::RatingPlaceRequest place;
  place.Rating = 80;
  EXPECT_EQ(*on::ParseNumberReply(Send(place)), 1);

  // The photo: refused with a wrong password or a wrong size, then stored and served.
  const std::string jpeg = testing::JpegOfSize(200, 250);
  EXPECT_EQ(testing::UploadPhoto(server_->port(), "Wired", "nopass1", jpeg).status, 403);
  EXPECT_EQ(testing::UploadPhoto(server_->port(), "Wired", "pass123", testing::JpegOfSize(250, 200))
                .status,
            415);
  EXPECT_EQ(testing::HttpCall(server_->port(), "GET", on::PhotoPath("Wired")).status, 404);
  EXPECT_EQ(testing::UploadPhoto(server_->port(), "Wired", "pass123", jpeg).status, 200);
  auto photo = testing::HttpCall(server_->port(), "GET", on::PhotoPath("wired"));
  EXPECT_EQ(photo.status, 200);
  EXPECT_EQ(photo.body, jpeg);

  // The password never reaches the log.
  EXPECT_EQ(server_->Log().find("pass12"), std::string::npos);
}

TEST_P(WireTest, FixedAddressesAnswer) {
  const auto port = server_->port();
  auto ip = testing::HttpCall(port, "GET", "/get_ip.php");
  EXPECT_EQ(ip.status, 200);
  EXPECT_EQ(ip.body, "127.0.0.1");
  EXPECT_EQ(testing::HttpCall(port, "GET", "/healthz").status, 200);
  auto news = testing::HttpCall(port, "GET", "/news/");
  EXPECT_NE(news.body.find("TarvoNews"), std::string::npos);
  // Each group answers its own requests and gives the empty reply to anything else.
  for (const char* group : {"/service/top10", "/service/stats", "/service/tour"}) {
    auto r = testing::Post(port, group, "nick=Anna&label0=0");
    EXPECT_EQ(r.status, 200) << group;
    EXPECT_EQ(r.body, "") << group;
  }
  auto size = testing::Post(port, "/service/top10", "rgid=65");
  auto entries = online::ParseNumberReply(size.body);
  ASSERT_TRUE(entries.ok()) << size.body;
  EXPECT_EQ(*entries, 0);
  auto stats = testing::Post(port, "/service/stats", "gid=65");
  EXPECT_TRUE(online::ParseStats(stats.body).ok()) << stats.body;
  auto tables = testing::Post(port, "/service/tour", "readtable410=65&gid=65");
  auto parsed = online::ParseTourTables(tables.body);
  ASSERT_TRUE(parsed.ok()) << tables.body;
  // The game server runs: the tables' own ports (free ones in this test) are listed.
  EXPECT_NE((*parsed)[9].Port, 0);
  EXPECT_NE((*parsed)[9].Port, (*parsed)[0].Port);
  EXPECT_EQ(online::ParseServerStateReply(
                testing::Post(port, "/service/tour", "serverinforead=0&gid=65").body)
                .State,
            'Y');
  auto manifest = testing::HttpCall(port, "GET", "/downloads/manifest.txt");
  EXPECT_EQ(manifest.body, SiteFiles(site_).manifest());
  auto pack = testing::HttpCall(port, "GET", "/downloads/progr/cards/TarvoCards1.dll");
  EXPECT_EQ(pack.body, std::string(5000, 'p'));
  EXPECT_EQ(testing::HttpCall(port, "GET", "/musik/_playlist.html").status, 200);
  for (const char* missing : {"/downloads/progr/cards/../../etc/passwd", "/musik/none.mp3",
                              "/nowhere", "/photos/a.jpg", "/photos/Nobody.jpg"}) {
    EXPECT_EQ(testing::HttpCall(port, "GET", missing).status, 404) << missing;
  }
  EXPECT_EQ(server_->Terminate(), 0);  // SIGTERM: a clean stop with status 0
}

INSTANTIATE_TEST_SUITE_P(Databases, WireTest,
                         ::testing::Values(Backend::kSqlite, Backend::kPostgres),
                         [](const auto& info) { return testing::BackendName(info.param); });

}  // namespace
}  // namespace ostrel::server
