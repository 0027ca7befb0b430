// The requests of the world top ten, statistics and chat windows, each one blocking call that
// the windows make on a worker thread (OnlineJob). A request that fails for any reason, or a
// reply that does not read, gives nullopt or false: the windows show "No Connect" or their
// notice, and nothing is retried.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "net/service_client.h"
#include "online/records.h"
#include "online/replies.h"
#include "online/requests.h"

namespace ostrel {

using TopTenLines = std::vector<online::TTarvoRecord>;

std::optional<TopTenLines> ReadTopTenList(const ServiceClient& client, int gid);
std::optional<int> ReadTopTenSize(const ServiceClient& client, int gid);
std::optional<TopTenLines> ReadTopTenNear(const ServiceClient& client, int gid,
                                          const std::string& nick, const std::string& city);
// The place reached; nullopt when the write failed.
std::optional<int> WriteTopTen(const ServiceClient& client,
                               const online::TopTenWriteRequest& request);

std::optional<std::vector<online::TTarvoTop10>> ReadAccountRatings(const ServiceClient& client);
std::optional<std::vector<online::TourTopLine>> ReadTourTopTen(const ServiceClient& client,
                                                               online::TourKind kind);

std::optional<online::TTarvoStat> ReadStats(const ServiceClient& client);
// A statistics report (start, like, results); true when the service answered "ok".
bool SendReport(const ServiceClient& client, const online::Request& report);

// Whether a line of a list holds a player or a message (a "#" nick is an empty line).
bool IsFilledLine(const online::TTarvoRecord& line);
// The newest message number of a chat list (0 for an empty list).
int NewestMessage(const TopTenLines& chat);

// A chat message ready to send but for its number: the typed text and the time, date and
// product title with every character outside the passport set made "_", the passport's nick,
// city, country and sex.
struct Passport {
  std::string nick, country, city, sex;
};
online::TopTenWriteRequest ChatMessage(const Passport& passport, const std::string& typed,
                                       const std::string& time_date_title);

// What sending a chat message gave: the number it went out with and the list read after it.
struct ChatSendResult {
  bool sent = false;
  int number = 0;
  std::optional<TopTenLines> list;
};
// Reads the newest number, writes the message as the next one and reads the list again.
ChatSendResult SendChatMessage(const ServiceClient& client, online::TopTenWriteRequest message);

}  // namespace ostrel
