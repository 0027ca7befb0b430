// Player photos: JPEG pictures of exactly 200 x 250 pixels, one file per account in the
// server's data folder, each replaced atomically.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ostrel::server {

inline constexpr int kPhotoWidth = 200;
inline constexpr int kPhotoHeight = 250;
inline constexpr std::size_t kPhotoMaxBytes = 256 * 1024;

struct JpegSize {
  int width = 0, height = 0;
};

// The frame size from a JPEG's start-of-frame header, walking the marker segments from the
// start; nullopt for anything that is not a well-formed JPEG up to that header.
std::optional<JpegSize> ReadJpegSize(std::string_view bytes);

class PhotoStore {
 public:
  // Creates the folder when missing; throws std::runtime_error when it cannot.
  explicit PhotoStore(std::string folder);
  // The file of an account's photo (by its nick key), whether or not it exists.
  std::string PathOf(std::string_view nick_key) const;
  // Writes a temporary file, flushes it to disk and renames it over the photo: a reader sees
  // the old picture or the new one, never a part. False when the disk refuses.
  bool Save(std::string_view nick_key, std::string_view jpeg) const;

 private:
  std::string folder_;
};

}  // namespace ostrel::server
