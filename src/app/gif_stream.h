// An animated GIF built in memory, one frame at a time: each frame gets its own palette of at
// most 256 colours (median cut) and its own display time. The picture is finished only when
// asked, so the caller can hold back the last frame until it knows how long it shows.
#pragma once

#include <QImage>
#include <QRect>
#include <string>

struct GifFileType;

namespace ostrel {

class GifStream {
 public:
  GifStream(int width, int height);
  ~GifStream();
  GifStream(const GifStream&) = delete;
  GifStream& operator=(const GifStream&) = delete;

  // Frames of another size are scaled to the picture's size. With the frame before it, only
  // the rectangle where the two differ is stored: a card table changes a little at a time.
  // False when giflib refused.
  bool AddFrame(const QImage& frame, int delay_ms, const QImage& previous = QImage());
  // The smallest rectangle holding every pixel in which the two frames differ (the whole
  // frame when there is no frame before, at least one pixel).
  static QRect ChangedRect(const QImage& frame, const QImage& previous);
  // The whole file; the stream takes no frames afterwards. Empty when anything failed.
  std::string Finish();
  int Frames() const { return frames_; }
  const std::string& Error() const { return error_; }

 private:
  static int Write(GifFileType* gif, const unsigned char* bytes, int length);
  bool Fail(const char* what, int code);

  int width_;
  int height_;
  int frames_ = 0;
  GifFileType* gif_ = nullptr;
  std::string bytes_;
  std::string error_;
};

}  // namespace ostrel
