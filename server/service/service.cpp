#include "server/service/service.h"

#include "online/field_check.h"
#include "online/form_body.h"
#include "online/requests.h"
#include "server/http/multipart.h"
#include "server/radio/ogg_loop.h"
#include "server/site/public_page.h"

namespace ostrel::server {
namespace {

constexpr const char* kText = "text/plain; charset=windows-1251";
constexpr const char* kHtml = "text/html; charset=utf-8";

HttpResponse Status(int status, std::string body) {
  return HttpResponse{status, "text/plain", std::move(body), ""};
}

std::string ContentTypeOf(std::string_view name) {
  auto dot = name.rfind('.');
  std::string ext = dot == std::string_view::npos ? "" : std::string(name.substr(dot + 1));
  for (char& c : ext) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  if (ext == "html" || ext == "htm") return kHtml;
  if (ext == "txt" || ext == "rad" || ext == "ser" || ext == "ini") return kText;
  if (ext == "jpg" || ext == "jpeg") return "image/jpeg";
  if (ext == "png") return "image/png";
  if (ext == "gif") return "image/gif";
  if (ext == "mp3") return "audio/mpeg";
  if (ext == "ogg" || ext == "oga") return "audio/ogg";
  if (ext == "wav") return "audio/wav";
  return "application/octet-stream";
}

}  // namespace

std::string DefaultNewsPage() {
  // The program reads the five characters after the first "TarvoNews" as the newest number.
  return "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Ostrel news</title></head>"
         "<body><!-- TarvoNews00000 --><h1>Ostrel news</h1><p>No news yet.</p></body></html>\n";
}

Service::Service(Store& store, PasswordHasher& hasher, PhotoStore& photos, const SiteFiles& site,
                 std::function<std::int64_t()> clock, int registrations_per_hour, TourConfig tour)
    : store_(store),
      hasher_(hasher),
      photos_(photos),
      site_(site),
      clock_(std::move(clock)),
      accounts_(store, hasher, registrations_per_hour),
      community_(store),
      tour_(store, accounts_.auth(), std::move(tour)) {}

HttpResponse Service::Handle(const HttpRequest& request) {
  try {
    if (request.method == "GET") return Get(request);
    if (request.method == "POST") return Post(request);
    return Status(405, "method not allowed");
  } catch (const std::exception&) {
    // A database that went away: the program takes any failure as "no connection".
    return Status(503, "service unavailable");
  }
}

HttpResponse Service::Get(const HttpRequest& request) {
  std::string_view path = request.target;
  path = path.substr(0, path.find('?'));
  if (path == "/healthz") {
    store_.SchemaVersion();  // throws when the database cannot answer
    return Status(200, "ok\n");
  }
  if (path == "/get_ip.php") return HttpResponse{200, kText, request.peer, ""};
  if (path == "/downloads/manifest.txt") return HttpResponse{200, kText, site_.manifest(), ""};
  if (path == "/" || path == "/index.html") {
    return HttpResponse{200, kHtml, PublicPage(store_, PageLanguage(request.accept_language)), ""};
  }
  if (path == "/news/" || path == "/news" || path == "/news/index.html") {
    if (site_.Find("news/index.html")) return SiteFile("news/index.html", kHtml);
    return HttpResponse{200, kHtml, DefaultNewsPage(), ""};
  }
  for (std::string_view prefix : {"/downloads/progr/cards/", "/musik/"}) {
    if (path.substr(0, prefix.size()) == prefix && path.size() > prefix.size()) {
      std::string name(path.substr(1));
      return SiteFile(name, ContentTypeOf(name));
    }
  }
  if (path == kRadioPath) {
    if (!radio_) return Status(404, "not found");
    auto stream = radio_->Listen(std::chrono::steady_clock::now());
    if (!stream) return Status(503, "the radio has all the listeners it takes");
    HttpResponse r{200, "audio/ogg", "", ""};
    r.stream = std::move(stream);
    return r;
  }
  constexpr std::string_view kPhotos = "/photos/";
  if (path.substr(0, kPhotos.size()) == kPhotos) return PhotoDownload(path.substr(kPhotos.size()));
  return Status(404, "not found");
}

HttpResponse Service::SiteFile(const std::string& name, const std::string& content_type) {
  const auto* f = site_.Find(name);
  if (!f) return Status(404, "not found");
  return HttpResponse{200, content_type, "", f->path};
}

HttpResponse Service::PhotoDownload(std::string_view name) {
  constexpr std::string_view kJpg = ".jpg";
  if (name.size() <= kJpg.size() || name.substr(name.size() - kJpg.size()) != kJpg) {
    return Status(404, "not found");
  }
  auto nick = online::PercentDecode(name.substr(0, name.size() - kJpg.size()));
  if (!nick || !online::IsValidWireText(*nick, online::TextKind::AccountNick)) {
    return Status(404, "not found");
  }
  // The file is sent only when it exists; the listener answers 404 when it cannot open it.
  return HttpResponse{200, "image/jpeg", "", photos_.PathOf(NickKey(*nick))};
}

HttpResponse Service::Post(const HttpRequest& request) {
  std::string_view path = request.target;
  if (path == "/photos/") return PhotoUpload(request);
  auto group = online::GroupOfPath(path);
  if (!group) return Status(404, "not found");
  const std::int64_t now = clock_();
  if (*group == online::ServiceGroup::Account) {
    auto reply = accounts_.Reply(request.body, request.peer, now);
    if (!reply) return Status(503, "busy");
    return HttpResponse{200, kText, std::move(*reply), ""};
  }
  const Caller caller{request.peer, now};
  if (*group == online::ServiceGroup::TopTen) {
    return HttpResponse{200, kText, community_.TopTenReply(request.body, caller), ""};
  }
  if (*group == online::ServiceGroup::Stats) {
    return HttpResponse{200, kText, community_.StatsReply(request.body, caller), ""};
  }
  auto reply = tour_.Reply(request.body, caller);
  if (!reply) return Status(503, "busy");
  return HttpResponse{200, kText, std::move(*reply), ""};
}

HttpResponse Service::PhotoUpload(const HttpRequest& request) {
  auto fields = ParseMultipart(request.content_type, request.body);
  if (!fields || fields->size() != 3 || !fields->count("nick") || !fields->count("pw") ||
      !fields->count("photo")) {
    return Status(400, "a form of nick, pw and photo is expected");
  }
  const std::string& nick = fields->at("nick");
  const std::string& pw = fields->at("pw");
  if (!online::IsValidWireText(nick, online::TextKind::AccountNick) ||
      !online::IsValidWireText(pw, online::TextKind::Password)) {
    return Status(403, "no");
  }
  const std::string& jpeg = fields->at("photo");
  auto size = ReadJpegSize(jpeg);
  if (jpeg.size() > kPhotoMaxBytes || !size || size->width != kPhotoWidth ||
      size->height != kPhotoHeight) {
    return Status(415, "the photo must be a JPEG picture of 200 x 250 pixels");
  }
  std::string registered;
  switch (accounts_.auth().Check(nick, pw, request.peer, clock_(), &registered)) {
    case AuthVerdict::kBusy:
      return Status(503, "busy");
    case AuthVerdict::kRefused:
      return Status(403, "no");
    case AuthVerdict::kOk:
      break;
  }
  if (!photos_.Save(NickKey(registered), jpeg)) return Status(500, "the photo was not stored");
  return HttpResponse{200, kText, "ok", ""};
}

}  // namespace ostrel::server
