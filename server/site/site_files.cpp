#include "server/site/site_files.h"

#include <sodium.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace ostrel::server {
namespace {

namespace fs = std::filesystem;

// At most this many files, so a wrong folder (a home folder) cannot stall the start.
constexpr std::size_t kMaxFiles = 20000;

bool SafePart(const std::string& part) {
  if (part.empty() || part == "." || part == ".." || part.size() > 200) return false;
  for (unsigned char c : part) {
    bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
              c == '.' || c == '_' || c == '-' || c == '+' || c == '(' || c == ')';
    if (!ok) return false;
  }
  return true;
}

}  // namespace

std::string FileSha256(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  crypto_hash_sha256_state state;
  crypto_hash_sha256_init(&state);
  std::vector<char> buf(1 << 16);
  while (in) {
    in.read(buf.data(), static_cast<std::streamsize>(buf.size()));
    auto got = in.gcount();
    if (got > 0) {
      crypto_hash_sha256_update(&state, reinterpret_cast<const unsigned char*>(buf.data()),
                                static_cast<unsigned long long>(got));
    }
  }
  if (in.bad()) return {};
  unsigned char digest[crypto_hash_sha256_BYTES];
  crypto_hash_sha256_final(&state, digest);
  char hex[crypto_hash_sha256_BYTES * 2 + 1];
  sodium_bin2hex(hex, sizeof hex, digest, sizeof digest);
  return hex;
}

SiteFiles::SiteFiles(const std::string& root, std::vector<std::string>* skipped) {
  std::error_code ec;
  fs::recursive_directory_iterator it(root, fs::directory_options::none, ec);
  if (ec) throw std::runtime_error("cannot read the site folder " + root + ": " + ec.message());
  for (; it != fs::recursive_directory_iterator(); it.increment(ec)) {
    if (ec) throw std::runtime_error("cannot read the site folder " + root + ": " + ec.message());
    if (!it->is_regular_file(ec) || it->is_symlink(ec)) continue;
    fs::path rel = fs::relative(it->path(), root, ec);
    std::string name;
    bool safe = !ec;
    for (const auto& part : rel) {
      safe = safe && SafePart(part.string());
      name += (name.empty() ? "" : "/") + part.string();
    }
    if (!safe) {
      if (skipped) skipped->push_back(rel.string());
      continue;
    }
    if (files_.size() >= kMaxFiles)
      throw std::runtime_error("the site folder holds too many files");
    SiteFile f;
    f.path = it->path().string();
    f.size = it->file_size(ec);
    f.sha256 = FileSha256(f.path);
    if (ec || f.sha256.empty()) throw std::runtime_error("cannot read " + f.path);
    files_.emplace(name, std::move(f));
  }
  for (const auto& [name, f] : files_) {
    manifest_ += name + " " + std::to_string(f.size) + " " + f.sha256 + "\n";
  }
}

const SiteFile* SiteFiles::Find(const std::string& name) const {
  auto it = files_.find(name);
  return it == files_.end() ? nullptr : &it->second;
}

}  // namespace ostrel::server
