#include "server/service/auth.h"

namespace ostrel::server {

Authenticator::Authenticator(Store& store, PasswordHasher& hasher)
    : store_(store), hasher_(hasher), address_failures_(kAddressLockAfter, kAddressWindowSeconds) {}

AuthVerdict Authenticator::Check(std::string_view nick, std::string_view password,
                                 const std::string& peer, std::int64_t now,
                                 std::string* registered_nick) {
  if (!address_failures_.Allowed(peer, now)) return AuthVerdict::kRefused;
  auto login = store_.FindLogin(nick);
  if (!login) {
    address_failures_.Add(peer, now);
    return AuthVerdict::kRefused;
  }
  if (login->locked_until > now) return AuthVerdict::kRefused;
  switch (hasher_.Verify(NickKey(login->nick), login->pw_hash, password)) {
    case PasswordVerdict::kBusy:
      return AuthVerdict::kBusy;
    case PasswordVerdict::kWrong:
      address_failures_.Add(peer, now);
      store_.RecordWrongPassword(nick, now, kNickLockAfter, kNickLockSeconds);
      return AuthVerdict::kRefused;
    case PasswordVerdict::kMatch:
      break;
  }
  if (login->failures != 0) store_.ClearWrongPasswords(nick);
  if (registered_nick) *registered_nick = login->nick;
  return AuthVerdict::kOk;
}

}  // namespace ostrel::server
