// The account group's handlers on both databases, fed with bodies the program's request codec
// builds and answered in replies its readers read: no sockets.
#include "server/service/account.h"

#include <gtest/gtest.h>

#include "online/replies.h"
#include "online/requests.h"
#include "server/service/rated_rules.h"
#include "test_db.h"

namespace ostrel::server {
namespace {

using testing::Backend;
namespace on = ostrel::online;

class AccountTest : public ::testing::TestWithParam<Backend> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(InitSodium());
    auto url = testing::FreshDatabase(GetParam(), dir_);
    if (!url) GTEST_SKIP() << "PostgreSQL is not configured (run under pg_virtualenv)";
    store_ = std::make_unique<Store>(*url, 4);
    service_ = std::make_unique<AccountService>(*store_, hasher_);
  }

  std::string Send(const on::Request& request, const std::string& peer = "10.0.0.1") {
    auto body = on::BuildBody(request);
    EXPECT_TRUE(body.ok()) << body.error();
    return SendRaw(body.ok() ? *body : "", peer);
  }
  std::string SendRaw(const std::string& body, const std::string& peer = "10.0.0.1") {
    auto reply = service_->Reply(body, peer, now_);
    EXPECT_TRUE(reply.has_value());
    return reply.value_or("");
  }

  static on::TTarvoUser User(const std::string& nick, const std::string& pw = "secret1") {
    on::TTarvoUser u;
    u.Nick = nick;
    u.Pw = pw;
    u.City = "Москва";
    u.Country1 = "Russia";
    u.Country2 = "1-001";
    u.Sex = 'W';
    u.EMail = "a@b.org";
    u.DateR = "01.02.2024";
    u.R01 = u.R02 = u.R03 = "xxx";
    return u;
  }
  on::RegisterResult Register(const std::string& nick, const std::string& peer = "10.0.0.1") {
    return on::ParseRegisterReply(Send(on::RegisterRequest{User(nick)}, peer));
  }
  bool LoginOk(const std::string& nick, const std::string& pw,
               const std::string& peer = "10.0.0.1") {
    auto r = on::ParseLoginReply(Send(on::LoginRequest{nick, pw}, peer), {});
    return r.ok() && r->has_value();
  }
  std::optional<on::TTarvoGame> ReadRecord(const std::string& nick, const std::string& pw) {
    on::RatedRecordReadRequest req;
    req.Nick = nick;
    req.Pw = pw;
    auto r = on::ParseRatedRecordReply(Send(req), {});
    EXPECT_TRUE(r.ok()) << r.error();
    return r.ok() ? *r : std::nullopt;
  }
  bool SaveRecord(const std::string& nick, const std::string& pw, const on::TTarvoGame& g) {
    on::RatedRecordSaveRequest req;
    req.Nick = nick;
    req.Pw = pw;
    req.Game = g;
    return on::ParseOkReply(Send(req));
  }

  testing::TempDir dir_;
  PasswordHasher hasher_{HashCost::kMinimum, 2, 8};
  std::unique_ptr<Store> store_;
  std::unique_ptr<AccountService> service_;
  std::int64_t now_ = 1'700'000'000;
};

TEST_P(AccountTest, RegisterThenLoginReturnsTheAccount) {
  EXPECT_EQ(Register("Anna"), on::RegisterResult::Created);
  EXPECT_EQ(Register("ANNA"), on::RegisterResult::NickExists);
  auto r = on::ParseLoginReply(Send(on::LoginRequest{"anna", "secret1"}), {});
  ASSERT_TRUE(r.ok() && r->has_value());
  EXPECT_EQ((*r)->City, "Москва");
  EXPECT_EQ((*r)->Country2, "1-001");
  EXPECT_EQ((*r)->Sex, 'W');
  EXPECT_EQ((*r)->DateR, "01.02.2024");
  EXPECT_FALSE(LoginOk("Anna", "secret2"));
  EXPECT_FALSE(LoginOk("Nobody", "secret1"));
  auto size = on::ParseNumberReply(Send(on::ClubSizeRequest{}));
  ASSERT_TRUE(size.ok());
  EXPECT_EQ(*size, 1);
  // The password is kept only as an Argon2id hash.
  EXPECT_EQ(store_->FindLogin("anna")->pw_hash.rfind("$argon2id$", 0), 0u);
}

TEST_P(AccountTest, ProfileIsSavedOnlyWithTheOwnersPassword) {
  ASSERT_EQ(Register("Owner"), on::RegisterResult::Created);
  ASSERT_EQ(Register("Other"), on::RegisterResult::Created);
  on::ProfileSaveRequest save;
  save.Nick = "Owner";
  save.Pw = "wrong-pw";
  save.Info.Name1 = "Анна";
  save.Info.About = "likes cards, 100%";
  EXPECT_FALSE(on::ParseOkReply(Send(save)));
  save.Pw = "secret1";
  EXPECT_TRUE(on::ParseOkReply(Send(save)));
  // Someone else's password does not open this profile either.
  on::ProfileSaveRequest forged = save;
  forged.Nick = "Other";
  forged.Pw = "secret1x";
  EXPECT_FALSE(on::ParseOkReply(Send(forged)));
  auto read = on::ParseProfileReply(Send(on::ProfileReadRequest{"OWNER"}));
  ASSERT_TRUE(read.ok() && read->has_value());
  EXPECT_EQ((*read)->Name1, "Анна");
  EXPECT_EQ((*read)->About, "likes cards, 100%");
  auto missing = on::ParseProfileReply(Send(on::ProfileReadRequest{"Nobody"}));
  ASSERT_TRUE(missing.ok());
  EXPECT_FALSE(missing->has_value());
}

TEST_P(AccountTest, AnAccountGameIsRatedAndListed) {
  ASSERT_EQ(Register("Gamer"), on::RegisterResult::Created);
  EXPECT_FALSE(ReadRecord("Gamer", "badpass").has_value());
  auto read = ReadRecord("Gamer", "secret1");
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(read->Kon, 0);
  // The start: one more game with the provisional rating.
  on::TTarvoGame start = *read;
  start.Kon = 1;
  start.Rating = ProvisionalRating(0, 0);
  ASSERT_TRUE(SaveRecord("Gamer", "secret1", start));
  auto provisional = ReadRecord("Gamer", "secret1");
  EXPECT_NEAR(provisional->Rating, -499.96, 1e-9);
  // The end of a game won by 40.
  on::TTarvoGame end = *provisional;
  end.Rating = FinalRating(1, provisional->Rating, 40);
  end.KonL = 1;
  end.Score = 40;
  on::TTarvoGame forged = end;
  forged.Score = 4000;
  EXPECT_FALSE(SaveRecord("Gamer", "secret1", forged));
  EXPECT_FALSE(SaveRecord("Gamer", "badpass", end));
  ASSERT_TRUE(SaveRecord("Gamer", "secret1", end));
  EXPECT_FALSE(SaveRecord("Gamer", "secret1", end));  // once only
  EXPECT_NEAR(ReadRecord("Gamer", "secret1")->Rating, 40.04, 1e-9);

  auto list = on::ParseRatingList(Send(on::RatingListRequest{}));
  ASSERT_TRUE(list.ok());
  ASSERT_EQ(list->size(), 1u);
  EXPECT_EQ((*list)[0].Nick, "Gamer");
  EXPECT_EQ((*list)[0].City, "Москва");
  EXPECT_EQ((*list)[0].Country, "1-001");
  EXPECT_NEAR((*list)[0].Rating, 40.04, 1e-9);
  on::RatingPlaceRequest place;
  place.Rating = 50;
  EXPECT_EQ(*on::ParseNumberReply(Send(place)), 1);
  place.Rating = 40;
  EXPECT_EQ(*on::ParseNumberReply(Send(place)), 2);
}

TEST_P(AccountTest, WrongPasswordsLockTheNickButNotOthers) {
  ASSERT_EQ(Register("Victim"), on::RegisterResult::Created);
  ASSERT_EQ(Register("Bystander"), on::RegisterResult::Created);
  for (int i = 0; i < kNickLockAfter; ++i) {
    // From many addresses, so the address limit plays no part.
    EXPECT_FALSE(LoginOk("Victim", "guess" + std::to_string(i), "10.1.0." + std::to_string(i)));
  }
  EXPECT_FALSE(LoginOk("Victim", "secret1", "10.2.0.1"));  // locked: even the right one
  EXPECT_TRUE(LoginOk("Bystander", "secret1", "10.2.0.1"));
  now_ += kNickLockSeconds + 1;
  EXPECT_TRUE(LoginOk("Victim", "secret1", "10.2.0.1"));
}

TEST_P(AccountTest, WrongPasswordsLockTheAddressButNotOthers) {
  ASSERT_EQ(Register("Alpha"), on::RegisterResult::Created);
  for (int i = 0; i < kAddressLockAfter; ++i) {
    // A different nick each time: the nick limit never trips.
    EXPECT_FALSE(LoginOk("Nick" + std::to_string(i), "whatever", "10.9.9.9"));
  }
  EXPECT_FALSE(LoginOk("Alpha", "secret1", "10.9.9.9"));
  EXPECT_TRUE(LoginOk("Alpha", "secret1", "10.9.9.8"));
}

TEST_P(AccountTest, RegistrationsPerAddressAreLimited) {
  for (int i = 0; i < kRegistrationsPerHour; ++i) {
    ASSERT_EQ(Register("Reg" + std::to_string(i), "10.3.3.3"), on::RegisterResult::Created);
  }
  EXPECT_EQ(Register("RegOneMore", "10.3.3.3"), on::RegisterResult::Failed);
  EXPECT_EQ(Register("RegOneMore", "10.3.3.4"), on::RegisterResult::Created);
}

TEST_P(AccountTest, ForgedAndBrokenBodiesStoreNothing) {
  ASSERT_EQ(Register("Keeper"), on::RegisterResult::Created);
  const struct {
    const char* what;
    std::string body;
  } kBodies[] = {
      {"a forged field through &",
       "nick=Forger&pw=abcd&city=Riga&pw=x&country1=Latvia&country2=1-026&sex=M&email=a@b.c&"
       "dater=01.01.2024&R01=xxx&R02=xxx&R03=xxx&R04=0&R05=0&R06=0"},
      {"a dollar in a city",
       "nick=Forger&pw=abcd&city=Ri$ga&country1=Latvia&country2=1-026&sex=M&email=a@b.c&"
       "dater=01.01.2024&R01=xxx&R02=xxx&R03=xxx&R04=0&R05=0&R06=0"},
      {"a line break in a city",
       "nick=Forger&pw=abcd&city=Ri%0Aga&country1=Latvia&country2=1-026&sex=M&email=a@b.c&"
       "dater=01.01.2024&R01=xxx&R02=xxx&R03=xxx&R04=0&R05=0&R06=0"},
      {"SQL in a nick",
       "nick=x'%3BDROP%20TABLE%20accounts&pw=abcd&city=Riga&country1=Latvia&country2=1-026&"
       "sex=M&email=a@b.c&dater=01.01.2024&R01=xxx&R02=xxx&R03=xxx&R04=0&R05=0&R06=0"},
      {"a tilde in a profile", "nick=Keeper&pw=secret1&labelinfosave=0&namei=a~b"},
      {"unknown fields", "hello=1&world=2"},
      {"no fields", ""},
  };
  for (const auto& b : kBodies) {
    EXPECT_EQ(SendRaw(b.body), "") << b.what;
  }
  EXPECT_EQ(store_->CountAccounts(), 1);
  EXPECT_EQ((*store_->ReadProfile("keeper"))[0], "");
}

INSTANTIATE_TEST_SUITE_P(Databases, AccountTest,
                         ::testing::Values(Backend::kSqlite, Backend::kPostgres),
                         [](const auto& info) { return testing::BackendName(info.param); });

}  // namespace
}  // namespace ostrel::server
