// The files the site serves to the program (packs, the station list, songs, the news page),
// read from one folder when the server starts, and their manifest: one line per file,
// "NAME SIZE SHA256HEX", NAME relative to the folder, sorted by name. Only the files found at
// the start are served, so no address can reach outside the folder.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace ostrel::server {

struct SiteFile {
  std::string path;  // on disk
  std::uint64_t size = 0;
  std::string sha256;  // lower-case hex
};

class SiteFiles {
 public:
  SiteFiles() = default;
  // Reads every regular file under `root` (symbolic links are not followed). Names holding
  // anything but letters, digits and "._-+()" in their parts are skipped and reported in
  // `skipped`. Throws std::runtime_error when the folder cannot be read.
  explicit SiteFiles(const std::string& root, std::vector<std::string>* skipped = nullptr);

  // The file at a name relative to the folder ("musik/_playlist.html"), or nullptr.
  const SiteFile* Find(const std::string& name) const;
  const std::string& manifest() const { return manifest_; }
  std::size_t count() const { return files_.size(); }

 private:
  std::map<std::string, SiteFile> files_;
  std::string manifest_;
};

// The SHA-256 of a file as lower-case hex; empty when it cannot be read.
std::string FileSha256(const std::string& path);

}  // namespace ostrel::server
