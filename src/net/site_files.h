// The files the site offers for download are checked against the site's own list of them
// before they are put in place: "GET /downloads/manifest.txt" names every file of the site
// with its size and SHA-256, one a line (the format is written down in docs/packs.md):
//
//   downloads/progr/cards/TarvoCards06A.dll 48213377 9f86d081884c7d659a2feaa0c55ad015...
//
// A download whose size or SHA-256 differs from its line, or that the list does not name, is
// refused, whoever altered it on the way. The list itself comes over HTTPS where the site
// offers it (SiteBases), so that it cannot be altered on the way either.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ostrel {

inline constexpr const char* kManifestPath = "/downloads/manifest.txt";
inline constexpr std::size_t kManifestMaxBytes = 1u << 20;
inline constexpr std::size_t kManifestMaxNameBytes = 1024;

struct ManifestEntry {
  std::string name;  // the file's path on the site without its leading "/", percent-encoded
  std::uint64_t size = 0;
  std::string sha256;  // 64 lowercase hexadecimal digits
};

class Manifest {
 public:
  // The whole list, or nullopt with the line and the reason of the first fault: a line that
  // is not "NAME SIZE SHA256HEX" with single spaces, a name with a space or control character
  // or a leading "/", a size with leading zeros or beyond 2^53, a hash that is not 64
  // lowercase hex digits, a name listed twice, a text larger than kManifestMaxBytes. Lines end
  // with LF; a CR before the LF is taken as part of the line end.
  static std::optional<Manifest> Parse(std::string_view text, std::string* error = nullptr);

  const std::vector<ManifestEntry>& entries() const { return entries_; }
  const ManifestEntry* Find(std::string_view name) const;

 private:
  std::vector<ManifestEntry> entries_;  // sorted by name
};

// One line of the list for an entry, with its LF: what the site writes.
std::string ManifestLine(const ManifestEntry& entry);

std::string Sha256Hex(std::string_view bytes);
// The SHA-256 of a file's content; nullopt (with the reason) when it cannot be read.
std::optional<std::string> Sha256HexOfFile(const std::string& path, std::string* error = nullptr);

// Whether the file is the one the entry describes: its size, then its SHA-256.
bool MatchesManifest(const std::string& path, const ManifestEntry& entry, std::string* error);

// The addresses to try a site at, in order. An https:// site is taken as it is. An http:// site
// without a port of its own is tried first as https:// on the same host (the usual port of
// each), and as given only when no secure server answers there; an http:// site with a port
// of its own names one particular server and is taken as it is. Trailing "/" are dropped.
// Empty for an empty site.
std::vector<std::string> SiteBases(std::string_view site);

struct SiteManifest {
  bool ok = false;
  std::string base;  // the address the list came from: the files come from there too
  Manifest manifest;
  std::string error;  // one line of English when not ok
};

// Fetches and reads the list from the first of SiteBases that answers. A secure address falls
// back to the plain one only when nothing secure answered at all; a certificate that fails its
// check, an HTTP error or a damaged list ends the attempt.
SiteManifest FetchSiteManifest(std::string_view site, int timeout_seconds = 20);

}  // namespace ostrel
