#include "gif_writer.h"

#include <gif_lib.h>

#include <QFile>
#include <vector>

namespace ostrel::artgen {

namespace {

struct GifCloser {
  GifFileType* gif = nullptr;
  ~GifCloser() {
    int ignored = 0;
    if (gif != nullptr) EGifCloseFile(gif, &ignored);
  }
};

bool PutLoopExtension(GifFileType* gif) {
  static const char kApp[] = "NETSCAPE2.0";
  static const unsigned char kForever[] = {1, 0, 0};
  return EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
         EGifPutExtensionBlock(gif, 11, kApp) == GIF_OK &&
         EGifPutExtensionBlock(gif, 3, kForever) == GIF_OK &&
         EGifPutExtensionTrailer(gif) == GIF_OK;
}

}  // namespace

bool WriteAnimatedGif(const QString& path, const QList<QImage>& frames, int delay, bool loop,
                      QString* error) {
  if (frames.isEmpty()) {
    *error = QStringLiteral("no frames");
    return false;
  }
  const int w = frames.first().width();
  const int h = frames.first().height();
  const int n = static_cast<int>(frames.size());
  // All frames stacked into one buffer share one palette.
  const size_t pixels = static_cast<size_t>(w) * static_cast<size_t>(h) * static_cast<size_t>(n);
  std::vector<GifByteType> red(pixels), green(pixels), blue(pixels), index(pixels);
  std::vector<bool> clear(pixels, false);
  bool any_clear = false;
  size_t at = 0;
  for (const QImage& frame : frames) {
    if (frame.size() != frames.first().size()) {
      *error = QStringLiteral("frames differ in size");
      return false;
    }
    const QImage rgb = frame.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y) {
      const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
      for (int x = 0; x < w; ++x, ++at) {
        // A GIF pixel is either shown or not: half transparent counts as not.
        clear[at] = qAlpha(line[x]) < 128;
        any_clear = any_clear || clear[at];
        red[at] = static_cast<GifByteType>(qRed(line[x]));
        green[at] = static_cast<GifByteType>(qGreen(line[x]));
        blue[at] = static_cast<GifByteType>(qBlue(line[x]));
      }
    }
  }
  // With transparent pixels the last palette entry is kept for them.
  const int kClear = 255;
  int colours = any_clear ? 255 : 256;
  std::vector<GifColorType> palette(256);
  if (GifQuantizeBuffer(static_cast<unsigned>(w), static_cast<unsigned>(h * n), &colours,
                        red.data(), green.data(), blue.data(), index.data(),
                        palette.data()) != GIF_OK) {
    *error = QStringLiteral("palette reduction failed");
    return false;
  }
  if (any_clear) {
    for (size_t i = 0; i < pixels; ++i) {
      if (clear[i]) index[i] = kClear;
    }
  }
  ColorMapObject* map = GifMakeMapObject(256, palette.data());
  const QString temp = path + QStringLiteral(".part");
  int code = 0;
  GifCloser closer;
  closer.gif = EGifOpenFileName(QFile::encodeName(temp).constData(), false, &code);
  if (closer.gif == nullptr) {
    GifFreeMapObject(map);
    *error = QString::fromUtf8(GifErrorString(code));
    return false;
  }
  GifFileType* gif = closer.gif;
  EGifSetGifVersion(gif, true);
  bool ok = EGifPutScreenDesc(gif, w, h, 8, 0, map) == GIF_OK;
  GifFreeMapObject(map);
  if (ok && loop) ok = PutLoopExtension(gif);
  GraphicsControlBlock control{};
  // Frames with holes replace each other instead of piling up.
  control.DisposalMode = any_clear ? DISPOSE_BACKGROUND : DISPOSE_DO_NOT;
  control.DelayTime = delay;
  control.TransparentColor = any_clear ? kClear : NO_TRANSPARENT_COLOR;
  GifByteType extension[4];
  EGifGCBToExtension(&control, extension);
  for (int f = 0; ok && f < n; ++f) {
    ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension) == GIF_OK &&
         EGifPutImageDesc(gif, 0, 0, w, h, false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < h; ++y) {
      GifByteType* row = index.data() + (static_cast<size_t>(f) * h + y) * w;
      ok = EGifPutLine(gif, row, w) == GIF_OK;
    }
  }
  if (!ok) {
    *error = QString::fromUtf8(GifErrorString(gif->Error));
    return false;
  }
  closer.gif = nullptr;
  if (EGifCloseFile(gif, &code) != GIF_OK) {
    *error = QString::fromUtf8(GifErrorString(code));
    return false;
  }
  QFile::setPermissions(temp, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                  QFileDevice::ReadGroup | QFileDevice::ReadOther);
  QFile::remove(path);
  if (!QFile::rename(temp, path)) {
    *error = QStringLiteral("cannot rename the finished file");
    return false;
  }
  return true;
}

}  // namespace ostrel::artgen
