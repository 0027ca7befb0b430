// Blocking HTTP over libcurl, without Qt. Every call has a time-out and a low-speed time-out,
// accepts only http:// and https:// addresses (redirects included), and turns every failure
// into one line of English the program can show. Safe to call from several threads at once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace ostrel {

// The most HttpGet keeps in memory; a longer answer fails instead of filling the memory.
inline constexpr std::size_t kHttpGetMaxBody = 4u << 20;
// The most HttpDownloadFile writes to disk.
inline constexpr std::uint64_t kHttpDownloadMaxBytes = 1ull << 30;

struct HttpResult {
  bool ok = false;
  long status = 0;  // the HTTP status, 0 when no answer came
  std::string body;
  std::string error;  // empty when ok
  // No server took up the conversation: nothing listens there, or (for https://) what
  // listens does not speak TLS. A certificate that fails its check is not this: that server
  // answered, and it is not the one it claims to be.
  bool unreachable = false;
};

// GET; ok only for status 200 with the whole body (Content-Length honoured). error is one
// line: "connection refused", "HTTP 404", "the answer ended early" ...
HttpResult HttpGet(const std::string& url, int timeout_seconds = 10);

struct DownloadResult {
  bool ok = false;
  std::string error;
};

// Downloads into target_path atomically: a temporary file beside the target, then
// verify(temp) if given, then rename. A failed, partial, non-200 or refused-by-verify download
// leaves no file at target_path and no temporary file, and an existing file at target_path is
// left untouched. An answer longer than max_bytes fails as it arrives.
DownloadResult HttpDownloadFile(
    const std::string& url, const std::string& target_path, int timeout_seconds = 60,
    const std::function<bool(const std::string& temp_path)>& verify = {},
    std::uint64_t max_bytes = kHttpDownloadMaxBytes);

// A POST for the web service: the body as given, its Content-Type, a User-Agent and a time-out
// in milliseconds for the whole exchange. ok only for status 200; the answer is kept in body
// (at most kHttpGetMaxBody bytes).
struct HttpPostRequest {
  std::string url;
  std::string content_type;
  std::string body;
  std::string user_agent = "Ostrel";
  int timeout_ms = 10000;
};
HttpResult HttpPost(const HttpPostRequest& request);

// A multipart/form-data POST: every part a name and its bytes; a part with a file name is sent
// as a file of that name and content type.
struct MultipartPart {
  std::string name;
  std::string data;
  std::string file_name;     // empty: a plain field
  std::string content_type;  // for a file part
};
HttpResult HttpPostMultipart(const std::string& url, const std::vector<MultipartPart>& parts,
                             const std::string& user_agent, int timeout_ms);

// A GET with a User-Agent and a time-out in milliseconds (otherwise as HttpGet).
HttpResult HttpGetAs(const std::string& url, const std::string& user_agent, int timeout_ms);

// Whether the address starts with http:// or https:// (in any case) and has a host after it.
bool IsHttpUrl(const std::string& url);

}  // namespace ostrel
