// What the wire tests send: requests built by the program's codec, a photo form, a JPEG
// header of a chosen size.
#pragma once

#include <cstdint>
#include <string>

#include "online/requests.h"
#include "server_process.h"

namespace ostrel::server::testing {

online::TTarvoUser SampleUser(const std::string& nick, const std::string& pw);
// The reply body to the request posted to its group's address ("" when none came).
std::string SendRequest(std::uint16_t port, const online::Request& request);
// The start of a baseline JPEG whose frame header gives the size (only the header is read).
std::string JpegOfSize(int width, int height);
HttpReply UploadPhoto(std::uint16_t port, const std::string& nick, const std::string& pw,
                      const std::string& jpeg);

}  // namespace ostrel::server::testing
