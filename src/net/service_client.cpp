#include "net/service_client.h"

#include "net/http_client.h"

namespace ostrel {

namespace {

constexpr const char* kFormType = "application/x-www-form-urlencoded";

}  // namespace

ServiceClient::ServiceClient(std::string site) : site_(std::move(site)) {
  if (site_.empty()) site_ = kDefaultSite;
  while (!site_.empty() && site_.back() == '/') site_.pop_back();
}

online::Result<std::string> ServiceClient::Send(const online::Request& request) const {
  const online::RequestInfo& info = online::InfoOf(request);
  online::Result<std::string> body = online::BuildBody(request);
  if (!body) return online::Error{body.error()};
  HttpPostRequest post;
  post.url = site_ + std::string(online::ServicePath(info.group));
  post.content_type = kFormType;
  post.body = std::move(*body);
  post.user_agent = kServiceUserAgent;
  post.timeout_ms = info.short_timeout ? online::kShortReadTimeoutMs : kServiceTimeoutMs;
  HttpResult reply = HttpPost(post);
  if (!reply.ok) return online::Error{std::string(info.name) + ": " + reply.error};
  return std::move(reply.body);
}

std::optional<std::string> ServiceClient::Photo(const std::string& nick) const {
  if (nick.empty()) return std::nullopt;
  HttpResult reply =
      HttpGetAs(site_ + online::PhotoPath(nick), kServiceUserAgent, kServiceTimeoutMs);
  if (!reply.ok || reply.body.empty()) return std::nullopt;
  return std::move(reply.body);
}

online::Result<bool> ServiceClient::UploadPhoto(const std::string& nick, const std::string& pw,
                                                const std::string& jpeg) const {
  const std::vector<MultipartPart> parts{
      {"nick", nick, {}, {}},
      {"pw", pw, {}, {}},
      {"photo", jpeg, nick + ".jpg", "image/jpeg"},
  };
  const HttpResult reply =
      HttpPostMultipart(site_ + "/photos/", parts, kServiceUserAgent, kServiceTimeoutMs);
  if (!reply.ok) return online::Error{"photo upload: " + reply.error};
  return true;
}

}  // namespace ostrel
