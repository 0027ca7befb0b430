// The program's side of the web service: one blocking call per request of the catalogue,
// the photo download and the photo upload, all with the User-Agent "TarvoSpecAccess". Calls
// block, so the windows make them on a worker thread; every failure (no server, time-out,
// unreadable body) comes back as an error, never an exception.
#pragma once

#include <optional>
#include <string>

#include "online/requests.h"
#include "online/result.h"

namespace ostrel {

inline constexpr const char* kServiceUserAgent = "TarvoSpecAccess";
// The local server's address when the program is given no site.
inline constexpr const char* kDefaultSite = "http://127.0.0.1:25680";
// The time-out of the requests the catalogue does not mark "3 s".
inline constexpr int kServiceTimeoutMs = 10000;

class ServiceClient {
 public:
  // site: "http://host:port" without a trailing "/"; empty: kDefaultSite.
  explicit ServiceClient(std::string site = {});

  const std::string& Site() const { return site_; }

  // Posts the request to its group's address and returns the reply body (Windows-1251).
  online::Result<std::string> Send(const online::Request& request) const;

  // The JPEG photo of the nick; nullopt when there is none or it could not be fetched.
  std::optional<std::string> Photo(const std::string& nick) const;

  // Sends a JPEG photo of 200 x 250 as the account's photo; an error text on failure.
  online::Result<bool> UploadPhoto(const std::string& nick, const std::string& pw,
                                   const std::string& jpeg) const;

 private:
  std::string site_;
};

}  // namespace ostrel
