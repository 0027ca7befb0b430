#include "app/online/online_reads.h"

#include <algorithm>

#include "online/field_check.h"

namespace ostrel {

namespace {

template <class T>
std::optional<T> SendAndParse(const ServiceClient& client, const online::Request& request,
                              online::Result<T> (*parse)(std::string_view)) {
  const online::Result<std::string> reply = client.Send(request);
  if (!reply) return std::nullopt;
  online::Result<T> parsed = parse(*reply);
  if (!parsed) return std::nullopt;
  return std::move(*parsed);
}

}  // namespace

std::optional<TopTenLines> ReadTopTenList(const ServiceClient& client, int gid) {
  return SendAndParse(client, online::TopTenRequest{gid}, online::ParseTopTen);
}

std::optional<int> ReadTopTenSize(const ServiceClient& client, int gid) {
  return SendAndParse(client, online::TopTenSizeRequest{gid}, online::ParseNumberReply);
}

std::optional<TopTenLines> ReadTopTenNear(const ServiceClient& client, int gid,
                                          const std::string& nick, const std::string& city) {
  return SendAndParse(client, online::TopTenNearRequest{gid, nick, city}, online::ParseTopTen);
}

std::optional<int> WriteTopTen(const ServiceClient& client,
                               const online::TopTenWriteRequest& request) {
  return SendAndParse(client, request, online::ParseNumberReply);
}

std::optional<std::vector<online::TTarvoTop10>> ReadAccountRatings(const ServiceClient& client) {
  return SendAndParse(client, online::RatingListRequest{}, online::ParseRatingList);
}

std::optional<std::vector<online::TourTopLine>> ReadTourTopTen(const ServiceClient& client,
                                                               online::TourKind kind) {
  online::TourTopTenRequest request;
  request.Kind = kind;
  return SendAndParse(client, request, online::ParseTourTopTen);
}

std::optional<online::TTarvoStat> ReadStats(const ServiceClient& client) {
  return SendAndParse(client, online::StatsReadRequest{}, online::ParseStats);
}

bool SendReport(const ServiceClient& client, const online::Request& report) {
  const online::Result<std::string> reply = client.Send(report);
  return reply && online::ParseOkReply(*reply);
}

bool IsFilledLine(const online::TTarvoRecord& line) {
  return line.Nick != "#" && !line.Nick.empty();
}

int NewestMessage(const TopTenLines& chat) {
  int newest = 0;
  for (const online::TTarvoRecord& line : chat)
    if (IsFilledLine(line)) newest = std::max(newest, line.Score);
  return newest;
}

online::TopTenWriteRequest ChatMessage(const Passport& passport, const std::string& typed,
                                       const std::string& time_date_title) {
  online::TopTenWriteRequest message;
  message.Gid = online::kChatGameId;
  message.Nick = passport.nick;
  message.City = passport.city;
  message.Country = passport.country;
  message.R7 = passport.sex == "W" ? "W" : "M";  // the service takes nothing else
  message.R9 = online::ChatWireText(time_date_title);
  message.R10 = online::ChatWireText(typed);
  if (message.R10.empty()) message.R10 = "#";
  return message;
}

ChatSendResult SendChatMessage(const ServiceClient& client, online::TopTenWriteRequest message) {
  ChatSendResult result;
  const std::optional<TopTenLines> before = ReadTopTenList(client, online::kChatGameId);
  if (!before) return result;
  message.Score = NewestMessage(*before) + 1;
  const std::optional<int> written = WriteTopTen(client, message);
  if (!written) return result;
  result.sent = true;
  // The service numbers the message itself (two senders may have read the same newest one);
  // its answer is the number the message got.
  result.number = *written > 0 ? *written : message.Score;
  result.list = ReadTopTenList(client, online::kChatGameId);
  return result;
}

}  // namespace ostrel
