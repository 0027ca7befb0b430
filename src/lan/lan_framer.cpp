#include "lan/lan_framer.h"

#include <algorithm>
#include <array>

#include "lan/lan_message.h"

namespace ostrel::lan {
namespace {

struct Shape {
  std::string_view prefix;
  std::size_t size;  // 0: ends with kChatEnd
};

// The prefixes are chosen so that no two shapes can both match a complete prefix.
constexpr std::array<Shape, 8> kShapes = {{
    {"qiv", kHelloSize},
    {"connect2+", kSeatMessageSize},
    {"connect3+", kArrivalSize},
    {"connect4+", kArrivalSize},
    {"h", kLanActionSize},
    {"b", kLanDealSize},
    {"abort", kAbort.size()},
    {"s", 0},
}};

// Whether the bytes so far agree with the shape's prefix.
bool Agrees(const Shape& shape, std::string_view bytes) {
  const std::size_t n = std::min(bytes.size(), shape.prefix.size());
  return bytes.substr(0, n) == shape.prefix.substr(0, n);
}

}  // namespace

void LanFramer::Feed(std::string_view bytes) {
  if (error_) return;
  if (start_ > 0 && start_ == buffer_.size()) {
    buffer_.clear();
    start_ = 0;
  }
  buffer_.append(bytes);
}

// The length of the message at the front of `bytes` once it is complete; nullopt while it is
// not, or after raising the error.
std::optional<std::size_t> LanFramer::FrameLength(std::string_view bytes) {
  const Shape* found = nullptr;
  bool undecided = false;
  for (const Shape& shape : kShapes) {
    if (!Agrees(shape, bytes)) continue;
    if (bytes.size() < shape.prefix.size()) {
      undecided = true;
    } else {
      found = &shape;
    }
  }
  if (found == nullptr) {
    if (!undecided) error_ = Refuse(Fault::kUnknownKind, "bytes that begin no LAN message");
    return std::nullopt;
  }
  if (found->size > 0) {
    if (bytes.size() < found->size) return std::nullopt;
    return found->size;
  }
  const std::size_t end = bytes.substr(0, kMaxChatFrame).find(kChatEnd);
  if (end != std::string_view::npos) return end + 1;
  if (bytes.size() >= kMaxChatFrame) {
    error_ = Refuse(Fault::kWrongLength,
                    "a chat line longer than " + std::to_string(kMaxChatFrame) + " bytes");
  }
  return std::nullopt;
}

std::optional<std::string> LanFramer::Next() {
  if (error_ || start_ == buffer_.size()) return std::nullopt;
  const std::string_view rest = std::string_view(buffer_).substr(start_);
  const auto length = FrameLength(rest);
  if (!length) return std::nullopt;
  std::string frame(rest.substr(0, *length));
  start_ += *length;
  // Keep the buffer from growing while a long stream is drained.
  if (start_ >= 4096) {
    buffer_.erase(0, start_);
    start_ = 0;
  }
  return frame;
}

}  // namespace ostrel::lan
