#include "net/site_files.h"

#include <sodium.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>

#include "net/http_client.h"

namespace ostrel {
namespace {

std::string Hex(const unsigned char* bytes, std::size_t size) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string text;
  for (std::size_t i = 0; i < size; ++i) {
    text += kDigits[bytes[i] >> 4];
    text += kDigits[bytes[i] & 0x0F];
  }
  return text;
}

}  // namespace

std::string Sha256Hex(std::string_view bytes) {
  unsigned char digest[crypto_hash_sha256_BYTES];
  crypto_hash_sha256(digest, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
  return Hex(digest, sizeof digest);
}

std::optional<std::string> Sha256HexOfFile(const std::string& path, std::string* error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    if (error) *error = "cannot open " + path;
    return std::nullopt;
  }
  crypto_hash_sha256_state state;
  crypto_hash_sha256_init(&state);
  char buffer[65536];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    crypto_hash_sha256_update(&state, reinterpret_cast<const unsigned char*>(buffer),
                              static_cast<unsigned long long>(in.gcount()));
  }
  if (in.bad()) {
    if (error) *error = "cannot read " + path;
    return std::nullopt;
  }
  unsigned char digest[crypto_hash_sha256_BYTES];
  crypto_hash_sha256_final(&state, digest);
  return Hex(digest, sizeof digest);
}

bool MatchesManifest(const std::string& path, const ManifestEntry& entry, std::string* error) {
  std::error_code ec;
  const auto size = std::filesystem::file_size(path, ec);
  if (ec || size != entry.size) {
    if (error) *error = "its size differs from the site's list";
    return false;
  }
  const auto hash = Sha256HexOfFile(path, error);
  if (!hash) return false;
  if (*hash != entry.sha256) {
    if (error) *error = "its SHA-256 differs from the site's list";
    return false;
  }
  return true;
}

std::vector<std::string> SiteBases(std::string_view site) {
  while (!site.empty() && (site.front() == ' ' || site.front() == '\t')) site.remove_prefix(1);
  while (!site.empty() && (site.back() == ' ' || site.back() == '\t' || site.back() == '/')) {
    site.remove_suffix(1);
  }
  if (site.empty()) return {};
  const std::string base(site);
  std::string lower = base;
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  constexpr std::string_view kPlain = "http://";
  if (lower.rfind(kPlain, 0) != 0) return {base};
  const std::string_view rest = std::string_view(base).substr(kPlain.size());
  const std::string_view host = rest.substr(0, rest.find('/'));
  // A port after the host (and after an IPv6 address's closing bracket) names one server.
  const std::size_t bracket = host.rfind(']');
  const std::size_t colon = host.rfind(':');
  const bool own_port =
      colon != std::string_view::npos && (bracket == std::string_view::npos || colon > bracket);
  if (own_port) return {base};
  return {"https://" + std::string(rest), base};
}

SiteManifest FetchSiteManifest(std::string_view site, int timeout_seconds) {
  SiteManifest result;
  const std::vector<std::string> bases = SiteBases(site);
  if (bases.empty()) {
    result.error = "no download address is set";
    return result;
  }
  for (std::size_t i = 0; i < bases.size(); ++i) {
    const HttpResult got = HttpGet(bases[i] + kManifestPath, timeout_seconds);
    if (!got.ok && got.unreachable && i + 1 < bases.size()) continue;
    if (!got.ok) {
      result.error = "the site's list of files cannot be read: " + got.error;
      return result;
    }
    std::string why;
    auto manifest = Manifest::Parse(got.body, &why);
    if (!manifest) {
      result.error = why;
      return result;
    }
    result.ok = true;
    result.base = bases[i];
    result.manifest = std::move(*manifest);
    return result;
  }
  return result;
}

}  // namespace ostrel
