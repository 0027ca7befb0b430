// The account of the whole program and what the account window shows about it, with the
// steps that read and change it through the service. The steps block on the network, so the
// windows run them on a worker thread on a copy of the state and take the copy back.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "net/service_client.h"
#include "online/records.h"
#include "online/replies.h"

namespace ostrel {

enum class AccountMode { SignedOut = 1, SignedIn = 2, RatedGame = 3 };

struct AccountState {
  AccountMode mode = AccountMode::SignedOut;
  online::TTarvoUser user;
  online::TTarvoGame game;
  bool record_found = false;
  int club_size = 0;
  bool club_size_read = false;
  std::vector<online::TTarvoTop10> rating_list;  // up to ten lines, best first
  bool list_read = false;
  std::string own_photo;  // JPEG bytes; empty: none
  online::TInfo14 president_info;
  std::string president_photo;
  bool account_game = false;   // an account game is running
  int started_kon = 0;         // the game count its start saved at the service
  bool rating_choice = false;  // the window was opened to start an account game
  bool user_file = false;      // the local user file exists

  bool SignedIn() const { return mode != AccountMode::SignedOut; }
  // The nick of the rating list's first line, the club's president; empty when none.
  std::string PresidentNick() const;
  const online::TTarvoTop10* PresidentLine() const;
};

// The not-signed-in defaults of the account (nick and password stay as typed).
void SetSignedOutDefaults(AccountState& state);

// What the window reads when it opens: the rating list, the own record, place, photo and
// profile when signed in, the club size, the president's profile and photo.
void ReadOnOpen(const ServiceClient& client, AccountState& state);

// Registers the account (today's date as "dd.mm.yyyy") and, when created, signs in and reads
// the account's data.
online::RegisterResult CreateAccount(const ServiceClient& client, AccountState& state,
                                     const std::string& today);

// Signs in with the nick and password of the state; false when refused or failed (then only
// the record and club-size flags go off).
bool LogIn(const ServiceClient& client, AccountState& state);

// Nothing is sent to the service.
void SignOut(AccountState& state);

// The own rated record and its place (when signed in).
void ReadResults(const ServiceClient& client, AccountState& state);
void ReadRatingList(const ServiceClient& client, AccountState& state);
void ReadOwnProfile(const ServiceClient& client, AccountState& state);
void ReadPresident(const ServiceClient& client, AccountState& state);

// The start-up sign-in from the user file's bytes (nullopt: no file). Shows nothing; a failed
// login leaves the state signed out.
void StartUpSignIn(const ServiceClient& client, AccountState& state,
                   const std::optional<std::string>& user_file_bytes);

// Sends the profile (texts made fit first); true when saved, after which it is read again.
bool SaveProfile(const ServiceClient& client, AccountState& state, online::TInfo14 info);

// The user file's bytes for the state's nick and enciphered password.
std::string UserFileBytes(const AccountState& state);

}  // namespace ostrel
