// Who may act for an account: the password check with its limits. A nick is locked for a
// while after kNickLockAfter wrong passwords in a row (kept in the database, so every server
// process sees it); an address after kAddressLockAfter wrong passwords within the window (kept
// in this process). A locked try is refused without looking at the password, and a lock on one
// nick or address never stops the others.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "server/service/passwords.h"
#include "server/service/rate_limits.h"
#include "server/store/store.h"

namespace ostrel::server {

inline constexpr int kNickLockAfter = 20;
inline constexpr std::int64_t kNickLockSeconds = 15 * 60;
inline constexpr int kAddressLockAfter = 30;
inline constexpr std::int64_t kAddressWindowSeconds = 15 * 60;

enum class AuthVerdict {
  kOk,
  kRefused,  // unknown nick, wrong password, or locked
  kBusy,     // too many password hashes waiting: try again later
};

class Authenticator {
 public:
  Authenticator(Store& store, PasswordHasher& hasher);
  // On kOk, `nick` gets the nick as registered when not null.
  AuthVerdict Check(std::string_view nick, std::string_view password, const std::string& peer,
                    std::int64_t now, std::string* registered_nick = nullptr);

 private:
  Store& store_;
  PasswordHasher& hasher_;
  WindowLimiter address_failures_;
};

}  // namespace ostrel::server
