#include "app/gif_stream.h"

#include <gif_lib.h>

#include <algorithm>
#include <vector>

namespace ostrel {

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

bool GifStream::AddFrame(const QImage& frame, int delay_ms) {
  if (gif_ == nullptr || !error_.empty()) return false;
  QImage rgb = frame.convertToFormat(QImage::Format_RGB888);
  if (rgb.width() != width_ || rgb.height() != height_) {
    rgb = rgb.scaled(width_, height_, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  const std::size_t n = static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_);
  std::vector<GifByteType> r(n), g(n), b(n), index(n);
  for (int y = 0; y < height_; ++y) {
    const uchar* line = rgb.constScanLine(y);
    for (int x = 0; x < width_; ++x) {
      const std::size_t i = static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                            static_cast<std::size_t>(x);
      r[i] = line[3 * x];
      g[i] = line[3 * x + 1];
      b[i] = line[3 * x + 2];
    }
  }
  int colours = 256;
  std::vector<GifColorType> palette(256);
  if (GifQuantizeBuffer(static_cast<unsigned>(width_), static_cast<unsigned>(height_), &colours,
                        r.data(), g.data(), b.data(), index.data(), palette.data()) == GIF_ERROR) {
    return Fail("quantize", E_GIF_ERR_NOT_ENOUGH_MEM);
  }
  ColorMapObject* map = GifMakeMapObject(256, palette.data());
  if (map == nullptr) return Fail("palette", E_GIF_ERR_NOT_ENOUGH_MEM);

  GraphicsControlBlock gcb{};
  gcb.DisposalMode = DISPOSE_DO_NOT;
  gcb.DelayTime = std::max(delay_ms, 0) / 10;  // in hundredths of a second
  gcb.TransparentColor = NO_TRANSPARENT_COLOR;
  GifByteType ext[4];
  const std::size_t ext_len = EGifGCBToExtension(&gcb, ext);
  bool ok =
      EGifPutExtension(gif_, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(ext_len), ext) != GIF_ERROR &&
      EGifPutImageDesc(gif_, 0, 0, width_, height_, false, map) != GIF_ERROR;
  for (int y = 0; ok && y < height_; ++y) {
    ok =
        EGifPutLine(gif_, index.data() + static_cast<std::size_t>(y) * width_, width_) != GIF_ERROR;
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
