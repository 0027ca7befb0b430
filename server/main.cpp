// ostrel-server: the web service of accounts, rated games, lists and the site's files.
#include <cstdio>
#include <ctime>
#include <fstream>
#include <iostream>
#include <memory>
#include <mutex>

#include "server/http/listener.h"
#include "server/http/work_pool.h"
#include "server/options.h"
#include "server/radio/ogg_loop.h"
#include "server/service/service.h"
#include "server/tables/table_server.h"

namespace {

using namespace ostrel::server;

// The request log: one line per request, each with the UTC time first.
class RequestLog {
 public:
  explicit RequestLog(const std::string& where) {
    if (where == "none") return;
    if (where != "-") {
      file_.open(where, std::ios::app);
      if (!file_) throw std::runtime_error("cannot open the log " + where);
    }
    out_ = where == "-" ? &std::cerr : &file_;
  }
  void Write(const std::string& line) {
    if (!out_) return;
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    gmtime_r(&t, &tm);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%dT%H:%M:%SZ", &tm);
    std::lock_guard lock(mutex_);
    *out_ << stamp << ' ' << line << '\n';
    out_->flush();
  }

 private:
  std::ofstream file_;
  std::ostream* out_ = nullptr;
  std::mutex mutex_;
};

int Serve(const ServerOptions& o) {
  if (!InitSodium()) throw std::runtime_error("libsodium cannot start");
  RequestLog log(o.log);
  Store store(o.db, o.threads);
  PhotoStore photos(o.data + "/photos");
  SiteFiles site;
  if (!o.site_files.empty()) {
    std::vector<std::string> skipped;
    site = SiteFiles(o.site_files, &skipped);
    for (const auto& s : skipped) log.Write("site file skipped (its name): " + s);
  }
  // Up to two workers stay free of password hashes for everything else.
  int waiting = o.threads - o.hashes_at_once - 2;
  PasswordHasher hasher(o.hash_cost, o.hashes_at_once, waiting < 0 ? 0 : waiting);
  Service service(
      store, hasher, photos, site, [] { return static_cast<std::int64_t>(std::time(nullptr)); },
      o.registrations_per_hour,
      TourConfig{o.tables_address, o.tables_base_port, false, o.tour_message});
  if (!o.site_files.empty() && o.radio_listeners > 0) {
    RadioLimits limits;
    limits.max_listeners = o.radio_listeners;
    std::vector<std::string> skipped;
    std::shared_ptr<OggRadio> radio =
        OggRadio::FromFolder(o.site_files + "/radio", limits, &skipped);
    for (const auto& s : skipped) log.Write("radio piece skipped: " + s);
    if (radio) log.Write("radio: " + std::to_string(radio->pieces().size()) + " pieces");
    service.SetRadio(std::move(radio));
  }
  std::unique_ptr<TableServer> tables;
  if (!o.no_tables) {
    TableServerOptions to;
    to.address = o.tables_address;
    to.base_port = o.tables_base_port;
    to.move_seconds = o.move_seconds;
    to.game_log_dir = o.game_log;
    tables = std::make_unique<TableServer>(store, to,
                                           [&log](const std::string& line) { log.Write(line); });
    tables->Start();
    std::array<int, kTourTableCount> ports{};
    for (int t = 1; t <= kTourTableCount; ++t)
      ports[static_cast<std::size_t>(t - 1)] = tables->port(t);
    service.tour().SetRunning(ports);
  }
  WorkPool pool(o.threads, 4096);
  auto handler = [&](HttpRequest request, HttpDone done) {
    auto shared = std::make_shared<HttpRequest>(std::move(request));
    bool queued = pool.Post([&service, shared, done] { done(service.Handle(*shared)); });
    if (!queued) done(HttpResponse{503, "text/plain", "busy", ""});
  };
  HttpServer http(o.http_address, o.http_port, o.limits, handler,
                  [&log](const std::string& line) { log.Write(line); });
  log.Write("ostrel-server on " + o.http_address + ":" + std::to_string(http.port()) + ", " +
            (store.IsPostgres() ? "PostgreSQL" : "SQLite") + ", schema " +
            std::to_string(store.SchemaVersion()) + ", " + std::to_string(site.count()) +
            " site files");
  // The first line on standard output tells a starter (a test, a script) the port.
  std::printf("listening on %s:%u\n", o.http_address.c_str(), static_cast<unsigned>(http.port()));
  std::fflush(stdout);
  http.Run(true);
  pool.Stop();
  log.Write("ostrel-server stopped");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  auto parsed = ParseServerOptions(args);
  if (parsed.help) {
    std::cout << ServerUsage();
    return 0;
  }
  if (!parsed.ok) {
    std::cerr << "ostrel-server: " << parsed.error << "\n" << ServerUsage();
    return 2;
  }
  try {
    return Serve(parsed.options);
  } catch (const std::exception& e) {
    std::cerr << "ostrel-server: " << e.what() << "\n";
    return 1;
  }
}
