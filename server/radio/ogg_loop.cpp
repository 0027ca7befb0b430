#include "server/radio/ogg_loop.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace ostrel::server {
namespace {

constexpr std::size_t kPageHeader = 27;

std::uint64_t Le(std::string_view b, std::size_t at, int n) {
  std::uint64_t v = 0;
  for (int i = n - 1; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(b[at + i]);
  return v;
}

void PutLe32(std::string& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

const std::array<std::uint32_t, 256>& CrcTable() {
  static const std::array<std::uint32_t, 256> table = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t i = 0; i < 256; ++i) {
      std::uint32_t r = i << 24;
      for (int k = 0; k < 8; ++k) r = (r & 0x80000000u) ? (r << 1) ^ 0x04C11DB7u : r << 1;
      t[i] = r;
    }
    return t;
  }();
  return table;
}

std::nullopt_t Fail(std::string* error, std::string why) {
  if (error) *error = std::move(why);
  return std::nullopt;
}

}  // namespace

std::uint32_t OggPageCrc(std::string_view page) {
  std::uint32_t crc = 0;
  for (std::size_t i = 0; i < page.size(); ++i) {
    const unsigned char byte = (i >= 22 && i < 26) ? 0 : static_cast<unsigned char>(page[i]);
    crc = (crc << 8) ^ CrcTable()[((crc >> 24) ^ byte) & 0xFF];
  }
  return crc;
}

std::string WithSerial(std::string_view page, std::uint32_t serial) {
  std::string out(page);
  PutLe32(out, 14, serial);
  PutLe32(out, 22, OggPageCrc(out));
  return out;
}

std::optional<OggPiece> ParseOggVorbis(std::string_view bytes, std::string* error) {
  OggPiece piece;
  std::uint64_t rate = 0;
  std::uint32_t serial = 0;
  std::size_t at = 0;
  double last = 0;
  bool ended = false;
  while (at < bytes.size()) {
    if (ended) return Fail(error, "bytes after the end of the stream");
    const std::string_view rest = bytes.substr(at);
    if (rest.size() < kPageHeader || rest.substr(0, 4) != "OggS" || rest[4] != 0) {
      return Fail(error, "no Ogg page at byte " + std::to_string(at));
    }
    const std::size_t segments = static_cast<unsigned char>(rest[26]);
    if (rest.size() < kPageHeader + segments) return Fail(error, "cut page");
    std::size_t body = 0;
    for (std::size_t i = 0; i < segments; ++i) body += static_cast<unsigned char>(rest[27 + i]);
    const std::size_t size = kPageHeader + segments + body;
    if (rest.size() < size) return Fail(error, "cut page");
    const std::string_view page = rest.substr(0, size);
    if (Le(page, 22, 4) != OggPageCrc(page)) return Fail(error, "bad page CRC");
    const bool first = piece.pages.empty();
    const std::uint32_t page_serial = static_cast<std::uint32_t>(Le(page, 14, 4));
    const int type = static_cast<unsigned char>(page[5]);
    if (first) {
      // The identification header: packet type 1, "vorbis", version, channels, rate.
      const std::string_view packet = page.substr(kPageHeader + segments);
      if (!(type & 2) || packet.size() < 16 || packet.substr(0, 7) != "\x01vorbis") {
        return Fail(error, "not an Ogg Vorbis stream");
      }
      rate = Le(packet, 12, 4);
      if (rate == 0 || rate > 384000) return Fail(error, "bad sample rate");
      serial = page_serial;
    } else if (page_serial != serial || (type & 2)) {
      return Fail(error, "more than one logical stream");
    }
    const std::uint64_t granule = Le(page, 6, 8);
    // A page on which no packet ends carries granule -1: its time is the one before.
    if (granule != ~std::uint64_t{0}) last = std::max(last, static_cast<double>(granule) / rate);
    piece.pages.push_back(OggPage{std::string(page), last});
    ended = (type & 4) != 0;
    at += size;
  }
  if (!ended) return Fail(error, "no end of stream");
  piece.seconds = last;
  if (piece.seconds <= 0) return Fail(error, "no music in it");
  return piece;
}

// One listener: the pieces in turn from the one the station gave it, each with a fresh serial
// number, paced by the music's own clock.
class OggListener : public ByteSource {
 public:
  OggListener(std::shared_ptr<OggRadio> radio, std::chrono::steady_clock::time_point now)
      : radio_(std::move(radio)), start_(now) {
    piece_ = radio_->next_piece_++ % radio_->pieces_.size();
    serial_ = radio_->next_serial_++;
  }
  ~OggListener() override { --radio_->listeners_; }

  Piece Next(std::chrono::steady_clock::time_point now) override {
    Piece out;
    const double elapsed = std::chrono::duration<double>(now - start_).count();
    const double lead = std::chrono::duration<double>(radio_->limits_.lead).count();
    while (out.bytes.size() < radio_->limits_.chunk_bytes) {
      const OggPiece& piece = radio_->pieces_[piece_];
      const OggPage& page = piece.pages[page_];
      const double at = done_seconds_ + page.end_seconds;
      if (at > elapsed + lead) {
        out.wait = std::chrono::milliseconds(
            std::max<long long>(10, static_cast<long long>((at - elapsed - lead) * 1000)));
        return out;
      }
      out.bytes += WithSerial(page.bytes, serial_);
      if (++page_ == piece.pages.size()) {
        done_seconds_ += piece.seconds;
        page_ = 0;
        piece_ = (piece_ + 1) % radio_->pieces_.size();
        serial_ = radio_->next_serial_++;
      }
    }
    return out;
  }

 private:
  std::shared_ptr<OggRadio> radio_;
  std::chrono::steady_clock::time_point start_;
  std::size_t piece_ = 0, page_ = 0;
  std::uint32_t serial_ = 0;
  double done_seconds_ = 0;
};

OggRadio::OggRadio(std::vector<OggPiece> pieces, RadioLimits limits)
    : pieces_(std::move(pieces)), limits_(limits) {}

std::shared_ptr<OggRadio> OggRadio::FromFolder(const std::string& folder, RadioLimits limits,
                                               std::vector<std::string>* skipped) {
  namespace fs = std::filesystem;
  std::vector<fs::path> files;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (it->is_regular_file(ec) && it->path().extension() == ".ogg") files.push_back(it->path());
  }
  std::sort(files.begin(), files.end());
  std::vector<OggPiece> pieces;
  std::size_t total = 0;
  for (const fs::path& file : files) {
    auto note = [&](const std::string& why) {
      if (skipped) skipped->push_back(file.filename().string() + ": " + why);
    };
    const std::uintmax_t size = fs::file_size(file, ec);
    if (ec || size > limits.max_piece_bytes || total + size > limits.max_total_bytes) {
      note("too large or unreadable");
      continue;
    }
    std::ifstream in(file, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::string error;
    std::optional<OggPiece> piece = ParseOggVorbis(bytes, &error);
    if (!in.good() && !in.eof()) error = "read error";
    if (!piece) {
      note(error);
      continue;
    }
    piece->name = file.filename().string();
    total += bytes.size();
    pieces.push_back(std::move(*piece));
  }
  if (pieces.empty()) return nullptr;
  return std::make_shared<OggRadio>(std::move(pieces), limits);
}

std::shared_ptr<ByteSource> OggRadio::Listen(std::chrono::steady_clock::time_point now) {
  if (++listeners_ > limits_.max_listeners) {
    --listeners_;
    return nullptr;
  }
  return std::make_shared<OggListener>(shared_from_this(), now);
}

}  // namespace ostrel::server
