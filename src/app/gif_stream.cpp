#include "app/gif_stream.h"

#include <gif_lib.h>

#include <algorithm>
#include <vector>

namespace ostrel {

namespace {
constexpr GifByteType kUnchanged = 255;
// The red, green and blue planes of an RGB888 picture, row by row.
void SplitChannels(const QImage& rgb, std::vector<GifByteType>& r, std::vector<GifByteType>& g,
                   std::vector<GifByteType>& b) {
  const int w = rgb.width();
  for (int y = 0; y < rgb.height(); ++y) {
    const uchar* line = rgb.constScanLine(y);
    for (int x = 0; x < w; ++x) {
      const std::size_t i =
          static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x);
      r[i] = line[3 * x];
      g[i] = line[3 * x + 1];
      b[i] = line[3 * x + 2];
    }
  }
}

// Pixels equal in both pictures take the "as before" index.
void MarkUnchanged(const QImage& now_area, const QImage& old_area,
                   std::vector<GifByteType>& index) {
  const int w = now_area.width();
  for (int y = 0; y < now_area.height(); ++y) {
    const uchar* now = now_area.constScanLine(y);
    const uchar* was = old_area.constScanLine(y);
    for (int x = 0; x < w; ++x) {
      if (now[3 * x] == was[3 * x] && now[3 * x + 1] == was[3 * x + 1] &&
          now[3 * x + 2] == was[3 * x + 2]) {
        index[static_cast<std::size_t>(y) * static_cast<std::size_t>(w) +
              static_cast<std::size_t>(x)] = kUnchanged;
      }
    }
  }
}

}  // namespace

GifStream::GifStream(int width, int height)
    : width_(std::max(width, 1)), height_(std::max(height, 1)) {
  int code = 0;
  gif_ = EGifOpen(this, &GifStream::Write, &code);
  if (gif_ == nullptr) {
    Fail("open", code);
    return;
  }
  EGifSetGifVersion(gif_, true);  // the display times need GIF89a
  if (EGifPutScreenDesc(gif_, width_, height_, 8, 0, nullptr) == GIF_ERROR) {
    Fail("screen", gif_->Error);
  }
}

GifStream::~GifStream() {
  if (gif_ != nullptr) EGifCloseFile(gif_, nullptr);
}

int GifStream::Write(GifFileType* gif, const unsigned char* bytes, int length) {
  auto* self = static_cast<GifStream*>(gif->UserData);
  self->bytes_.append(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(length));
  return length;
}

bool GifStream::Fail(const char* what, int code) {
  if (error_.empty()) {
    const char* text = GifErrorString(code);
    error_ = std::string("GIF ") + what + ": " + (text ? text : "unknown error");
  }
  return false;
}

QRect GifStream::ChangedRect(const QImage& frame, const QImage& previous) {
  if (previous.size() != frame.size() || previous.format() != frame.format()) return frame.rect();
  int left = frame.width(), right = -1, top = frame.height(), bottom = -1;
  const std::size_t bytes = static_cast<std::size_t>(frame.width()) * 3;
  for (int y = 0; y < frame.height(); ++y) {
    const uchar* a = frame.constScanLine(y);
    const uchar* b = previous.constScanLine(y);
    if (std::equal(a, a + bytes, b)) continue;
    top = std::min(top, y);
    bottom = y;
    for (int x = 0; x < frame.width(); ++x) {
      if (a[3 * x] != b[3 * x] || a[3 * x + 1] != b[3 * x + 1] || a[3 * x + 2] != b[3 * x + 2]) {
        left = std::min(left, x);
        right = std::max(right, x);
      }
    }
  }
  if (bottom < 0) return QRect(0, 0, 1, 1);
  return QRect(QPoint(left, top), QPoint(right, bottom));
}

bool GifStream::AddFrame(const QImage& frame, int delay_ms, const QImage& previous) {
  if (gif_ == nullptr || !error_.empty()) return false;
  QImage full = frame.convertToFormat(QImage::Format_RGB888);
  if (full.width() != width_ || full.height() != height_) {
    full = full.scaled(width_, height_, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  const QImage before =
      previous.isNull() ? QImage() : previous.convertToFormat(QImage::Format_RGB888);
  const QRect area = ChangedRect(full, before);
  const QImage rgb = full.copy(area);
  const int w = rgb.width();
  const int h = rgb.height();
  const std::size_t n = static_cast<std::size_t>(w) * static_cast<std::size_t>(h);
  std::vector<GifByteType> r(n), g(n), b(n), index(n);
  SplitChannels(rgb, r, g, b);
  // The last index is kept for "as before": pixels the previous frame already shows are left
  // to it, so that the new palette does not repaint the unchanged felt in other colours.
  const bool partial = !before.isNull() && area != full.rect();
  int colours = partial ? 255 : 256;
  std::vector<GifColorType> palette(256);
  if (GifQuantizeBuffer(static_cast<unsigned>(w), static_cast<unsigned>(h), &colours, r.data(),
                        g.data(), b.data(), index.data(), palette.data()) == GIF_ERROR) {
    return Fail("quantize", E_GIF_ERR_NOT_ENOUGH_MEM);
  }
  if (partial) MarkUnchanged(rgb, before.copy(area), index);
  ColorMapObject* map = GifMakeMapObject(256, palette.data());
  if (map == nullptr) return Fail("palette", E_GIF_ERR_NOT_ENOUGH_MEM);

  GraphicsControlBlock gcb{};
  gcb.DisposalMode = DISPOSE_DO_NOT;
  gcb.DelayTime = std::max(delay_ms, 0) / 10;  // in hundredths of a second
  gcb.TransparentColor = partial ? kUnchanged : NO_TRANSPARENT_COLOR;
  GifByteType ext[4];
  const std::size_t ext_len = EGifGCBToExtension(&gcb, ext);
  bool ok =
      EGifPutExtension(gif_, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(ext_len), ext) != GIF_ERROR &&
      EGifPutImageDesc(gif_, area.x(), area.y(), w, h, false, map) != GIF_ERROR;
  for (int y = 0; ok && y < h; ++y) {
    ok = EGifPutLine(gif_, index.data() + static_cast<std::size_t>(y) * w, w) != GIF_ERROR;
  }
  GifFreeMapObject(map);
  if (!ok) return Fail("frame", gif_->Error);
  ++frames_;
  return true;
}

std::string GifStream::Finish() {
  if (gif_ == nullptr) return {};
  int code = 0;
  const bool closed = EGifCloseFile(gif_, &code) != GIF_ERROR;
  gif_ = nullptr;
  if (!closed) Fail("close", code);
  if (!error_.empty()) return {};
  return std::move(bytes_);
}

}  // namespace ostrel
