// Our own radio station: the Ogg Vorbis pieces of the site folder's "radio/" played one after
// the other without end, as one chained Ogg stream per listener, sent at the pace of the music
// (a few seconds ahead, so that a player starts at once). Each piece starts a new logical
// stream with a serial number of its own, so a piece that comes round again is still a new
// link of the chain for the player's demuxer.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "server/http/exchange.h"

namespace ostrel::server {

// The address of our station on the site.
inline constexpr const char* kRadioPath = "/radio/ostrel.ogg";

// One page of an Ogg stream and the moment of the music at its end, in seconds from the start
// of its piece.
struct OggPage {
  std::string bytes;
  double end_seconds = 0;
};

struct OggPiece {
  std::string name;
  std::vector<OggPage> pages;
  double seconds = 0;
};

// The pages of an Ogg Vorbis file; nullopt (with the reason) when the bytes are not a whole,
// single Vorbis stream whose pages all check out.
std::optional<OggPiece> ParseOggVorbis(std::string_view bytes, std::string* error = nullptr);

// The CRC of an Ogg page (its own CRC field taken as zero).
std::uint32_t OggPageCrc(std::string_view page);
// The page with another serial number and its CRC made good again.
std::string WithSerial(std::string_view page, std::uint32_t serial);

struct RadioLimits {
  int max_listeners = 32;
  std::chrono::milliseconds lead{3000};  // how far the stream runs ahead of the music
  std::size_t max_piece_bytes = 16u << 20;
  std::size_t max_total_bytes = 64u << 20;
  std::size_t chunk_bytes = 16u << 10;
};

class OggRadio : public std::enable_shared_from_this<OggRadio> {
 public:
  // The pieces must be non-empty.
  OggRadio(std::vector<OggPiece> pieces, RadioLimits limits);

  // Reads every "*.ogg" of `folder` in name order; files that are no Ogg Vorbis or too large
  // are skipped and named in `skipped`. nullptr when no piece is left.
  static std::shared_ptr<OggRadio> FromFolder(const std::string& folder, RadioLimits limits,
                                              std::vector<std::string>* skipped);

  // A new listener's stream, or nullptr when the station has all the listeners it takes.
  std::shared_ptr<ByteSource> Listen(std::chrono::steady_clock::time_point now);

  int listeners() const { return listeners_.load(); }
  const std::vector<OggPiece>& pieces() const { return pieces_; }

 private:
  friend class OggListener;
  std::vector<OggPiece> pieces_;
  RadioLimits limits_;
  std::atomic<int> listeners_{0};
  std::atomic<std::uint32_t> next_serial_{0x0574E100};
  std::atomic<std::size_t> next_piece_{0};
};

}  // namespace ostrel::server
