#include "net/http_client.h"

#include <curl/curl.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <random>
#include <system_error>

namespace ostrel {

namespace {

// An answer slower than this many bytes a second over the low-speed time is a stalled one.
constexpr long kLowSpeedBytes = 100;
constexpr int kLowSpeedSeconds = 20;
constexpr int kConnectSeconds = 15;

std::string ErrnoText(int error) {
  return std::error_code(error, std::generic_category()).message();
}

// curl_global_init is not safe to run twice or alongside another thread's transfer, so it runs
// once for the whole process, on the first call.
bool CurlReady(std::string& error) {
  static std::once_flag once;
  static CURLcode code = CURLE_OK;
  std::call_once(once, [] { code = curl_global_init(CURL_GLOBAL_DEFAULT); });
  if (code != CURLE_OK)
    error = std::string("the network library did not start: ") + curl_easy_strerror(code);
  return code == CURLE_OK;
}

// Where the bytes of an answer go, and why the transfer was stopped when it was.
struct Sink {
  CURL* curl = nullptr;
  std::string* body = nullptr;  // HttpGet
  int fd = -1;                  // HttpDownloadFile
  std::uint64_t cap = 0;
  std::uint64_t received = 0;
  std::string stop_reason;  // set when the callback refused the bytes
};

std::string LargerThan(std::uint64_t cap) {
  if (cap % (1u << 20) == 0)
    return "the answer is larger than " + std::to_string(cap >> 20) + " MiB";
  return "the answer is larger than " + std::to_string(cap) + " bytes";
}

bool WriteAll(int fd, const char* data, std::size_t size, std::string& error) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      error = "cannot write the file: " + ErrnoText(n < 0 ? errno : EIO);
      return false;
    }
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

// Returning fewer bytes than offered makes curl stop with CURLE_WRITE_ERROR.
std::size_t OnData(char* data, std::size_t one, std::size_t count, void* user) {
  auto& sink = *static_cast<Sink*>(user);
  const std::size_t size = one * count;
  // The body of an error page is of no use and may be large: stop at its first bytes.
  long status = 0;
  curl_easy_getinfo(sink.curl, CURLINFO_RESPONSE_CODE, &status);
  if (status != 200) {
    sink.stop_reason = "HTTP " + std::to_string(status);
    return 0;
  }
  if (size > sink.cap - sink.received) {
    sink.stop_reason = LargerThan(sink.cap);
    return 0;
  }
  sink.received += size;
  if (sink.body) {
    sink.body->append(data, size);
  } else if (!WriteAll(sink.fd, data, size, sink.stop_reason)) {
    return 0;
  }
  return size;
}

// Loopback never goes through a proxy, whatever the environment says; the rest of no_proxy
// still holds.
std::string NoProxyList() {
  std::string list = "localhost,127.0.0.1,::1";
  for (const char* name : {"no_proxy", "NO_PROXY"}) {
    if (const char* value = std::getenv(name); value && *value) return list + "," + value;
  }
  return list;
}

// What one transfer sends: a GET unless it has a body or parts.
struct Transfer {
  std::string url;
  long timeout_ms = 10000;
  std::string user_agent = "Ostrel";
  const std::string* post_body = nullptr;
  std::string content_type;
  const std::vector<MultipartPart>* parts = nullptr;
};

struct Outcome {
  CURLcode code = CURLE_OK;
  long status = 0;
  long os_errno = 0;
  curl_off_t content_length = -1;
};

// The body of a POST; curl keeps pointers to what is set here until the transfer ends.
bool SetBody(CURL* c, const Transfer& t, curl_slist*& headers, curl_mime*& mime) {
  if (t.post_body) {
    curl_easy_setopt(c, CURLOPT_POST, 1L);
    curl_easy_setopt(c, CURLOPT_POSTFIELDS, t.post_body->data());
    curl_easy_setopt(c, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(t.post_body->size()));
    headers = curl_slist_append(headers, ("Content-Type: " + t.content_type).c_str());
  } else if (t.parts) {
    mime = curl_mime_init(c);
    if (!mime) return false;
    for (const MultipartPart& part : *t.parts) {
      curl_mimepart* field = curl_mime_addpart(mime);
      curl_mime_name(field, part.name.c_str());
      curl_mime_data(field, part.data.data(), part.data.size());
      if (!part.file_name.empty()) curl_mime_filename(field, part.file_name.c_str());
      if (!part.content_type.empty()) curl_mime_type(field, part.content_type.c_str());
    }
    curl_easy_setopt(c, CURLOPT_MIMEPOST, mime);
  }
  // No "Expect: 100-continue" round trip before a larger body.
  headers = curl_slist_append(headers, "Expect:");
  curl_easy_setopt(c, CURLOPT_HTTPHEADER, headers);
  return true;
}

Outcome Perform(const Transfer& t, Sink& sink) {
  Outcome out;
  std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(), curl_easy_cleanup);
  if (!curl) {
    out.code = CURLE_FAILED_INIT;
    return out;
  }
  CURL* c = curl.get();
  sink.curl = c;
  curl_slist* headers = nullptr;
  curl_mime* mime = nullptr;
  struct Release {
    curl_slist*& headers;
    curl_mime*& mime;
    ~Release() {
      curl_slist_free_all(headers);
      curl_mime_free(mime);
    }
  } release{headers, mime};
  if (!SetBody(c, t, headers, mime)) {
    out.code = CURLE_OUT_OF_MEMORY;
    return out;
  }
  const long timeout_ms = std::max(1L, t.timeout_ms);
  const long timeout = std::max(1L, (timeout_ms + 999) / 1000);
  const std::string no_proxy = NoProxyList();
  curl_easy_setopt(c, CURLOPT_URL, t.url.c_str());
  curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(c, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(c, CURLOPT_MAXREDIRS, 5L);
  curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);  // signals would reach other threads
  curl_easy_setopt(c, CURLOPT_TIMEOUT_MS, timeout_ms);
  curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, std::min<long>(timeout, kConnectSeconds));
  curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, kLowSpeedBytes);
  curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, std::min<long>(timeout, kLowSpeedSeconds));
  curl_easy_setopt(c, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(sink.cap));
  curl_easy_setopt(c, CURLOPT_NOPROXY, no_proxy.c_str());
  curl_easy_setopt(c, CURLOPT_USERAGENT, t.user_agent.c_str());
  curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, OnData);
  curl_easy_setopt(c, CURLOPT_WRITEDATA, &sink);
  out.code = curl_easy_perform(c);
  curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &out.status);
  curl_easy_getinfo(c, CURLINFO_OS_ERRNO, &out.os_errno);
  curl_easy_getinfo(c, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &out.content_length);
  return out;
}

std::string Describe(CURLcode code, long os_errno, const Sink& sink, int timeout_seconds) {
  switch (code) {
    case CURLE_UNSUPPORTED_PROTOCOL:
      return "only http:// and https:// addresses are accepted";
    case CURLE_URL_MALFORMAT:
      return "the address is not valid";
    case CURLE_COULDNT_RESOLVE_HOST:
      return "the host name is unknown";
    case CURLE_COULDNT_RESOLVE_PROXY:
      return "the proxy's host name is unknown";
    case CURLE_COULDNT_CONNECT:
      return os_errno == ECONNREFUSED ? "connection refused" : "could not connect to the server";
    case CURLE_OPERATION_TIMEDOUT:
      return "no complete answer within " + std::to_string(std::max(1, timeout_seconds)) +
             (timeout_seconds <= 1 ? " second" : " seconds");
    case CURLE_PARTIAL_FILE:
      return "the answer ended early";
    case CURLE_GOT_NOTHING:
      return "the server closed the connection without an answer";
    case CURLE_RECV_ERROR:
    case CURLE_SEND_ERROR:
      return "the connection was cut";
    case CURLE_TOO_MANY_REDIRECTS:
      return "too many redirections";
    case CURLE_FILESIZE_EXCEEDED:
      return LargerThan(sink.cap);
    case CURLE_WRITE_ERROR:
      if (!sink.stop_reason.empty()) return sink.stop_reason;
      break;
    case CURLE_PEER_FAILED_VERIFICATION:
      return "the server's certificate is not valid";
    case CURLE_SSL_CONNECT_ERROR:
      return "the secure connection failed";
    case CURLE_WEIRD_SERVER_REPLY:
      return "the server's answer is not HTTP";
    default:
      break;
  }
  return curl_easy_strerror(code);
}

// Checked before curl sees the address, so that no other scheme is even tried.
std::string UrlError(const std::string& url) {
  if (!IsHttpUrl(url)) return "only http:// and https:// addresses are accepted";
  for (unsigned char ch : url) {
    if (ch <= 0x20 || ch == 0x7F) return "the address is not valid";
  }
  return {};
}

// Failures where no server took up the conversation at all.
bool Unreachable(CURLcode code) {
  return code == CURLE_COULDNT_CONNECT || code == CURLE_SSL_CONNECT_ERROR ||
         code == CURLE_WEIRD_SERVER_REPLY;
}

// The error of a transfer, or empty when the whole 200 answer arrived.
std::string Check(const Transfer& t, Sink& sink, long& status, bool* unreachable = nullptr) {
  std::string error = UrlError(t.url);
  if (!error.empty() || !CurlReady(error)) return error;
  const Outcome out = Perform(t, sink);
  status = out.status;
  if (unreachable) *unreachable = Unreachable(out.code);
  if (out.code != CURLE_OK)
    return Describe(out.code, out.os_errno, sink, static_cast<int>((t.timeout_ms + 999) / 1000));
  if (out.status != 200) return "HTTP " + std::to_string(out.status);
  // curl already reports a connection closed before Content-Length; this also holds if it
  // ever did not.
  if (out.content_length >= 0 && static_cast<std::uint64_t>(out.content_length) != sink.received)
    return "the answer ended early";
  return {};
}

// A file of a new name beside the target, created here and nowhere else (O_EXCL), with the
// permissions an ordinary new file gets.
int CreateTemporary(const std::string& target, std::string& path, std::string& error) {
  static std::atomic<unsigned> counter{0};
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    path = target + ".download-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) +
           "-" + std::to_string(random() % 100000);
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) return fd;
    if (errno != EEXIST) break;
  }
  error = "cannot create a file beside " + target + ": " + ErrnoText(errno);
  return -1;
}

std::string CloseFlushed(int fd) {
  const bool synced = ::fsync(fd) == 0;
  const int sync_error = errno;
  if (::close(fd) != 0) return "cannot write the file: " + ErrnoText(errno);
  if (!synced) return "cannot write the file: " + ErrnoText(sync_error);
  return {};
}

}  // namespace

bool IsHttpUrl(const std::string& url) {
  std::string head = url.substr(0, 8);
  std::transform(head.begin(), head.end(), head.begin(),
                 [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
  std::size_t host = 0;
  if (head.rfind("http://", 0) == 0) host = 7;
  if (head.rfind("https://", 0) == 0) host = 8;
  return host != 0 && url.size() > host && url[host] != '/';
}

HttpResult HttpGet(const std::string& url, int timeout_seconds) {
  HttpResult result;
  Sink sink;
  sink.body = &result.body;
  sink.cap = kHttpGetMaxBody;
  Transfer t;
  t.url = url;
  t.timeout_ms = std::max(1, timeout_seconds) * 1000L;
  result.error = Check(t, sink, result.status, &result.unreachable);
  result.ok = result.error.empty();
  if (!result.ok) result.body.clear();
  return result;
}

namespace {

HttpResult Fetch(const Transfer& t) {
  HttpResult result;
  Sink sink;
  sink.body = &result.body;
  sink.cap = kHttpGetMaxBody;
  result.error = Check(t, sink, result.status);
  result.ok = result.error.empty();
  if (!result.ok) result.body.clear();
  return result;
}

}  // namespace

HttpResult HttpPost(const HttpPostRequest& request) {
  Transfer t;
  t.url = request.url;
  t.timeout_ms = request.timeout_ms;
  t.user_agent = request.user_agent;
  t.post_body = &request.body;
  t.content_type = request.content_type;
  return Fetch(t);
}

HttpResult HttpPostMultipart(const std::string& url, const std::vector<MultipartPart>& parts,
                             const std::string& user_agent, int timeout_ms) {
  Transfer t;
  t.url = url;
  t.timeout_ms = timeout_ms;
  t.user_agent = user_agent;
  t.parts = &parts;
  return Fetch(t);
}

HttpResult HttpGetAs(const std::string& url, const std::string& user_agent, int timeout_ms) {
  Transfer t;
  t.url = url;
  t.timeout_ms = timeout_ms;
  t.user_agent = user_agent;
  return Fetch(t);
}

DownloadResult HttpDownloadFile(const std::string& url, const std::string& target_path,
                                int timeout_seconds,
                                const std::function<bool(const std::string&)>& verify,
                                std::uint64_t max_bytes) {
  DownloadResult result;
  result.error = UrlError(url);
  if (!result.error.empty()) return result;
  std::string temp;
  Sink sink;
  sink.cap = std::min(max_bytes, kHttpDownloadMaxBytes);
  sink.fd = CreateTemporary(target_path, temp, result.error);
  if (sink.fd < 0) return result;
  // Whatever goes wrong, a throwing verify included, the half file goes, so it can never be
  // taken for the real one.
  struct RemoveUnlessPlaced {
    const std::string& path;
    bool placed = false;
    ~RemoveUnlessPlaced() {
      if (!placed) ::unlink(path.c_str());
    }
  } cleanup{temp};
  long status = 0;
  Transfer t;
  t.url = url;
  t.timeout_ms = std::max(1, timeout_seconds) * 1000L;
  result.error = Check(t, sink, status);
  const std::string closed = CloseFlushed(sink.fd);
  if (result.error.empty()) result.error = closed;
  if (result.error.empty() && verify && !verify(temp)) result.error = "the file was refused";
  if (result.error.empty() && ::rename(temp.c_str(), target_path.c_str()) != 0)
    result.error = "cannot put " + target_path + " in place: " + ErrnoText(errno);
  cleanup.placed = result.error.empty();
  result.ok = cleanup.placed;
  return result;
}

}  // namespace ostrel
