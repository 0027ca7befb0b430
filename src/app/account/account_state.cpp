#include "app/account/account_state.h"

#include "online/field_check.h"
#include "online/user_file.h"

namespace ostrel {

using namespace online;

std::string AccountState::PresidentNick() const {
  const TTarvoTop10* line = PresidentLine();
  return line ? line->Nick : std::string();
}

const TTarvoTop10* AccountState::PresidentLine() const {
  if (!list_read || rating_list.empty() || rating_list.front().Nick.empty()) return nullptr;
  return &rating_list.front();
}

void SetSignedOutDefaults(AccountState& state) {
  TTarvoUser& u = state.user;
  u.City.clear();
  u.Country2 = "1-001";
  u.Country1 = "Russia";
  u.Sex = 'M';
  u.EMail.clear();
  u.DateR = "00.00.0000";
}

void ReadRatingList(const ServiceClient& client, AccountState& state) {
  state.list_read = false;
  const Result<std::string> reply = client.Send(RatingListRequest{});
  if (!reply) return;
  Result<std::vector<TTarvoTop10>> list = ParseRatingList(*reply);
  if (!list) return;
  state.rating_list = std::move(*list);
  state.list_read = true;
}

void ReadResults(const ServiceClient& client, AccountState& state) {
  if (!state.SignedIn()) return;
  state.record_found = false;
  const Result<std::string> reply =
      client.Send(RatedRecordReadRequest{state.user.Nick, state.user.Pw});
  if (!reply) return;
  Result<std::optional<TTarvoGame>> record = ParseRatedRecordReply(*reply, state.game);
  if (!record || !record->has_value()) return;
  state.game = **record;
  state.record_found = true;
  RatingPlaceRequest place;
  place.Rating = state.game.Rating;
  if (const Result<std::string> p = client.Send(place); p) {
    if (const Result<int> n = ParseNumberReply(*p); n) state.game.Place = *n;
  }
}

namespace {

void ReadClubSize(const ServiceClient& client, AccountState& state) {
  state.club_size_read = false;
  const Result<std::string> reply = client.Send(ClubSizeRequest{});
  if (!reply) return;
  if (const Result<int> n = ParseNumberReply(*reply); n) {
    state.club_size = *n;
    state.club_size_read = true;
  }
}

void ReadOwnPhoto(const ServiceClient& client, AccountState& state) {
  state.own_photo = client.Photo(state.user.Nick).value_or(std::string());
}

// The login request; the returned fields replace the account's.
bool SendLogin(const ServiceClient& client, AccountState& state) {
  const Result<std::string> reply = client.Send(LoginRequest{state.user.Nick, state.user.Pw});
  if (!reply) return false;
  Result<std::optional<TTarvoUser>> user = ParseLoginReply(*reply, state.user);
  if (!user || !user->has_value()) return false;
  state.user = **user;
  return true;
}

}  // namespace

void ReadOwnProfile(const ServiceClient& client, AccountState& state) {
  if (!state.SignedIn()) return;
  const Result<std::string> reply = client.Send(ProfileReadRequest{state.user.Nick});
  if (!reply) return;
  if (Result<std::optional<TInfo14>> info = ParseProfileReply(*reply); info && info->has_value())
    state.user.Info = **info;
}

void ReadPresident(const ServiceClient& client, AccountState& state) {
  state.president_info = TInfo14{};
  state.president_photo.clear();
  const std::string nick = state.PresidentNick();
  if (nick.empty() || !IsValidWireText(nick, TextKind::AccountNick)) return;
  if (const Result<std::string> reply = client.Send(ProfileReadRequest{nick}); reply) {
    if (Result<std::optional<TInfo14>> info = ParseProfileReply(*reply); info && info->has_value())
      state.president_info = **info;
  }
  state.president_photo = client.Photo(nick).value_or(std::string());
}

void ReadOnOpen(const ServiceClient& client, AccountState& state) {
  ReadRatingList(client, state);
  ReadResults(client, state);
  ReadClubSize(client, state);
  if (state.SignedIn()) {
    ReadOwnPhoto(client, state);
    ReadOwnProfile(client, state);
  }
  ReadPresident(client, state);
  if (!state.SignedIn()) SetSignedOutDefaults(state);
}

RegisterResult CreateAccount(const ServiceClient& client, AccountState& state,
                             const std::string& today) {
  TTarvoUser& u = state.user;
  u.DateR = today;
  u.R01 = u.R02 = u.R03 = "xxx";
  u.R04 = u.R05 = u.R06 = 0;
  const Result<std::string> reply = client.Send(RegisterRequest{u});
  const RegisterResult result = reply ? ParseRegisterReply(*reply) : RegisterResult::Failed;
  if (result != RegisterResult::Created) {
    state.mode = AccountMode::SignedOut;
    u.DateR = "00.00.0000";
    return result;
  }
  state.mode = AccountMode::SignedIn;
  ReadClubSize(client, state);
  SendLogin(client, state);
  ReadResults(client, state);
  ReadOwnProfile(client, state);
  state.own_photo.clear();
  return result;
}

bool LogIn(const ServiceClient& client, AccountState& state) {
  if (!SendLogin(client, state)) {
    state.record_found = false;
    state.club_size_read = false;
    return false;
  }
  state.mode = AccountMode::SignedIn;
  ReadResults(client, state);
  ReadClubSize(client, state);
  ReadOwnPhoto(client, state);
  ReadOwnProfile(client, state);
  ReadPresident(client, state);
  return true;
}

void SignOut(AccountState& state) {
  state.mode = AccountMode::SignedOut;
  state.user.R04 = state.user.R05 = state.user.R06 = 0;
  state.own_photo.clear();
}

void StartUpSignIn(const ServiceClient& client, AccountState& state,
                   const std::optional<std::string>& user_file_bytes) {
  state.mode = AccountMode::SignedOut;
  state.user_file = false;
  if (!user_file_bytes) return;
  const std::optional<UserFile> file = ParseUserFile(*user_file_bytes);
  if (!file) return;
  state.user_file = true;
  state.user.Nick = file->Nick;
  state.user.Pw = SignInPassword(file->PwC);
  state.user.PwC = EncipherText(state.user.Pw);
  // A nick or password the service would refuse is not sent at all.
  if (!IsValidWireText(state.user.Nick, TextKind::AccountNick) ||
      !IsValidWireText(state.user.Pw, TextKind::Password))
    return;
  if (SendLogin(client, state)) state.mode = AccountMode::SignedIn;
}

bool SaveProfile(const ServiceClient& client, AccountState& state, TInfo14 info) {
  using L = ProfileLimits;
  const auto fit = [](std::string& text, int limit) { text = ProfileSaveText(text, limit); };
  fit(info.Name1, L::Name1);
  fit(info.Name2, L::Name2);
  fit(info.About, L::About);
  fit(info.Telephone, L::Telephone);
  fit(info.EMailO, L::EMailO);
  fit(info.WebSite, L::WebSite);
  fit(info.Skype, L::Skype);
  fit(info.OK, L::OK);
  fit(info.VK, L::VK);
  fit(info.Telegram, L::Telegram);
  fit(info.FaceBook, L::FaceBook);
  fit(info.Twitter, L::Twitter);
  fit(info.Instagramm, L::Instagramm);
  fit(info.YouTube, L::YouTube);
  const Result<std::string> reply =
      client.Send(ProfileSaveRequest{state.user.Nick, state.user.Pw, info});
  if (!reply || !ParseOkReply(*reply)) return false;
  ReadOwnProfile(client, state);
  return true;
}

std::string UserFileBytes(const AccountState& state) {
  return SerializeUserFile(UserFile{state.user.Nick, EncipherText(state.user.Pw)});
}

}  // namespace ostrel
