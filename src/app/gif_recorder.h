// Records a game as an animated GIF: a frame at every step of the game, a frame the same as the
// one before dropped, at most 250 frames, each shown for the chosen delay and the last one for
// five seconds. Frames are encoded on a worker thread as they come, one behind, because the
// last frame's display time is known only when the picture is saved. A picture that cannot be
// written is reported and the game goes on.
#pragma once

#include <QImage>
#include <QString>
#include <QThreadPool>
#include <memory>
#include <string>

#include "storage/message_port.h"

class QWidget;

namespace ostrel {

class GifStream;

inline constexpr int kGifMaxFrames = 250;
inline constexpr int kGifLastFrameMs = 5000;

class GifRecorder {
 public:
  explicit GifRecorder(MessagePort& messages);
  ~GifRecorder();

  // area 1: the window's client area; 2: the part of the screen the window covers.
  void Start(QWidget* window, int area, int delay_ms);
  bool Recording() const { return window_ != nullptr; }
  int Frames() const { return frames_; }
  // Takes one frame of the window now.
  void TakeFrame();
  // Saves the picture into <program folder>/GIFGame/ and ends the recording. Returns the
  // file written, empty when there was nothing to save or the writing failed.
  QString Save(const std::string& program_folder);
  // Ends the recording without saving.
  void Stop();

  // "yyyy.MM.dd-hh.mm.ss.gif"
  static QString FileNameFor(const QDateTime& when);

 private:
  QImage Grab() const;
  void Encode(QImage frame, int delay_ms);
  QImage encoded_;  // the frame stored last, which the next one is stored against
  void ShowPanel(bool on);

  MessagePort& messages_;
  QWidget* window_ = nullptr;
  int area_ = 1;
  int delay_ms_ = 1000;
  int frames_ = 0;
  QImage last_;
  std::unique_ptr<GifStream> stream_;  // used by the worker only, until it is done
  QThreadPool worker_;
  QWidget* panel_ = nullptr;
};

}  // namespace ostrel
