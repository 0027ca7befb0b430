#include "server/site/photos.h"

#include <fcntl.h>
#include <sodium.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>

namespace ostrel::server {
namespace {

int Byte(std::string_view b, std::size_t i) {
  return static_cast<unsigned char>(b[i]);
}

bool WriteAll(int fd, std::string_view data) {
  while (!data.empty()) {
    ssize_t n = ::write(fd, data.data(), data.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

}  // namespace

std::optional<JpegSize> ReadJpegSize(std::string_view b) {
  if (b.size() < 4 || Byte(b, 0) != 0xFF || Byte(b, 1) != 0xD8) return std::nullopt;
  std::size_t i = 2;
  while (i + 4 <= b.size()) {
    if (Byte(b, i) != 0xFF) return std::nullopt;
    int marker = Byte(b, i + 1);
    if (marker == 0xFF) {  // fill byte
      ++i;
      continue;
    }
    // Markers without a length: TEM and RST0-7; SOI or EOI here means a broken file.
    if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
      i += 2;
      continue;
    }
    if (marker == 0xD8 || marker == 0xD9 || marker == 0xDA) return std::nullopt;
    std::size_t len = static_cast<std::size_t>(Byte(b, i + 2) << 8 | Byte(b, i + 3));
    if (len < 2 || i + 2 + len > b.size()) return std::nullopt;
    bool sof =
        marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
    if (sof) {
      if (len < 8) return std::nullopt;
      JpegSize s;
      s.height = Byte(b, i + 5) << 8 | Byte(b, i + 6);
      s.width = Byte(b, i + 7) << 8 | Byte(b, i + 8);
      return s;
    }
    i += 2 + len;
  }
  return std::nullopt;
}

PhotoStore::PhotoStore(std::string folder) : folder_(std::move(folder)) {
  std::error_code ec;
  std::filesystem::create_directories(folder_, ec);
  if (ec)
    throw std::runtime_error("cannot create the photo folder " + folder_ + ": " + ec.message());
}

std::string PhotoStore::PathOf(std::string_view nick_key) const {
  // Hex of the key: a nick like ".." or "a.b" never becomes a path of its own.
  std::string hex(nick_key.size() * 2 + 1, '\0');
  sodium_bin2hex(hex.data(), hex.size(), reinterpret_cast<const unsigned char*>(nick_key.data()),
                 nick_key.size());
  hex.pop_back();
  return folder_ + "/" + hex + ".jpg";
}

bool PhotoStore::Save(std::string_view nick_key, std::string_view jpeg) const {
  std::string target = PathOf(nick_key);
  std::string temp = target + ".tmp" + std::to_string(randombytes_random());
  int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  bool ok = WriteAll(fd, jpeg) && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  if (ok) ok = ::rename(temp.c_str(), target.c_str()) == 0;
  if (!ok) {
    ::unlink(temp.c_str());
    return false;
  }
  // The rename itself reaches the disk with the folder.
  int dir = ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return true;
}

}  // namespace ostrel::server
