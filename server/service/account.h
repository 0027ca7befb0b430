// The account group of the service: register, login, profile read and save, club size, rated
// record read and save, rating list and rating place. Each request of the catalogue has a
// handler from the parsed request and the store to the reply text; the body is parsed and
// every field checked by the request codec before a handler sees it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "online/requests.h"
#include "server/service/auth.h"
#include "server/service/rate_limits.h"

namespace ostrel::server {

inline constexpr int kRegistrationsPerHour = 50;

// The caller of one request.
struct Caller {
  std::string peer;  // its address
  std::int64_t now = 0;
};

// A handler's answer: the reply text, or busy (too many password hashes waiting), which the
// listener answers with 503 so that the program reports no connection.
using AccountReply = std::optional<std::string>;

class AccountService {
 public:
  AccountService(Store& store, PasswordHasher& hasher,
                 int registrations_per_hour = kRegistrationsPerHour);

  // Parses the body of a request posted to the account address and answers it. A body that
  // is not a request of the account group is answered with the empty reply.
  AccountReply Reply(std::string_view body, const std::string& peer, std::int64_t now);

  AccountReply Handle(const online::RegisterRequest& r, const Caller& c);
  AccountReply Handle(const online::LoginRequest& r, const Caller& c);
  AccountReply Handle(const online::ProfileReadRequest& r, const Caller& c);
  AccountReply Handle(const online::ProfileSaveRequest& r, const Caller& c);
  AccountReply Handle(const online::ClubSizeRequest& r, const Caller& c);
  AccountReply Handle(const online::RatedRecordReadRequest& r, const Caller& c);
  AccountReply Handle(const online::RatedRecordSaveRequest& r, const Caller& c);
  AccountReply Handle(const online::RatingListRequest& r, const Caller& c);
  AccountReply Handle(const online::RatingPlaceRequest& r, const Caller& c);

  Authenticator& auth() { return auth_; }

 private:
  // nullopt when the password opens the account; otherwise the answer to give instead.
  std::optional<AccountReply> Gate(const std::string& nick, const std::string& pw, const Caller& c);

  Store& store_;
  PasswordHasher& hasher_;
  Authenticator auth_;
  WindowLimiter registrations_;
};

}  // namespace ostrel::server
