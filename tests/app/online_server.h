// A real ostrel-server on a free loopback port for the online windows, its database filled
// beforehand through the server's store: three lines of the Windows list, one of the Android
// list, two chat messages, a club account "Vera" rated 7 with tournament figures, the
// statistics, and a news page numbered 7.
#pragma once

#include <memory>
#include <string>

#include "server_process.h"

namespace ostrel::testing {

// data and site: empty folders the server may keep. Throws when the server does not start.
std::unique_ptr<server::testing::ServerProcess> StartFilledServer(const std::string& binary,
                                                                  const std::string& data,
                                                                  const std::string& site);

}  // namespace ostrel::testing
