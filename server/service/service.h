// The service behind the HTTP listener: routes each request by its method and address to the
// account handlers, the photos and the site files, and answers with a plain HttpResponse. It
// blocks (database, password hashes): the listener calls it on a worker thread.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "server/http/exchange.h"
#include "server/service/account.h"
#include "server/service/community.h"
#include "server/service/tour.h"
#include "server/site/photos.h"
#include "server/site/site_files.h"

namespace ostrel::server {

class OggRadio;

class Service {
 public:
  // `site` may be empty (no --site-files): the site's addresses then answer 404.
  Service(Store& store, PasswordHasher& hasher, PhotoStore& photos, const SiteFiles& site,
          std::function<std::int64_t()> clock, int registrations_per_hour = kRegistrationsPerHour,
          TourConfig tour = {});

  HttpResponse Handle(const HttpRequest& request);

  TourService& tour() { return tour_; }
  // Our radio station at kRadioPath; without one that address answers 404.
  void SetRadio(std::shared_ptr<OggRadio> radio) { radio_ = std::move(radio); }

 private:
  HttpResponse Get(const HttpRequest& request);
  HttpResponse Post(const HttpRequest& request);
  HttpResponse PhotoUpload(const HttpRequest& request);
  HttpResponse PhotoDownload(std::string_view name);
  HttpResponse SiteFile(const std::string& name, const std::string& content_type);

  Store& store_;
  PasswordHasher& hasher_;
  PhotoStore& photos_;
  const SiteFiles& site_;
  std::function<std::int64_t()> clock_;
  AccountService accounts_;
  CommunityService community_;
  TourService tour_;
  std::shared_ptr<OggRadio> radio_;
};

// The built-in news page when the site folder has none of its own.
std::string DefaultNewsPage();

}  // namespace ostrel::server
