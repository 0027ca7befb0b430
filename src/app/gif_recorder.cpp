#include "app/gif_recorder.h"

#include <QDateTime>
#include <QDir>
#include <QLabel>
#include <QScreen>
#include <QWidget>

#include "app/gif_stream.h"
#include "app/text.h"
#include "storage/atomic_file.h"
#include "storage/history.h"

namespace ostrel {

GifRecorder::GifRecorder(MessagePort& messages) : messages_(messages) {
  // One worker keeps the frames in their order.
  worker_.setMaxThreadCount(1);
}

GifRecorder::~GifRecorder() {
  worker_.waitForDone();
}

void GifRecorder::Start(QWidget* window, int area, int delay_ms) {
  Stop();
  window_ = window;
  area_ = area == 2 ? 2 : 1;
  delay_ms_ = std::clamp(delay_ms, 10, 5000);
}

void GifRecorder::Stop() {
  worker_.waitForDone();
  window_ = nullptr;
  frames_ = 0;
  last_ = QImage();
  encoded_ = QImage();
  stream_.reset();
}

QImage GifRecorder::Grab() const {
  if (area_ == 2) {
    // The screen under the window, frame and all; a platform without a screen to read (or
    // one that refuses) gives the window itself.
    if (QScreen* screen = window_->screen()) {
      const QRect r = window_->frameGeometry();
      const QPixmap shot = screen->grabWindow(0, r.x(), r.y(), r.width(), r.height());
      if (!shot.isNull()) return shot.toImage().convertToFormat(QImage::Format_RGB888);
    }
  }
  return window_->grab().toImage().convertToFormat(QImage::Format_RGB888);
}

void GifRecorder::TakeFrame() {
  if (window_ == nullptr || frames_ >= kGifMaxFrames) return;
  QImage frame = Grab();
  if (frame.isNull() || frame == last_) return;
  if (!last_.isNull()) Encode(last_, delay_ms_);
  last_ = std::move(frame);
  ++frames_;
}

void GifRecorder::Encode(QImage frame, int delay_ms) {
  if (!stream_) stream_ = std::make_unique<GifStream>(frame.width(), frame.height());
  GifStream* stream = stream_.get();
  QImage previous = encoded_;
  encoded_ = frame;
  worker_.start([stream, frame = std::move(frame), previous = std::move(previous), delay_ms] {
    stream->AddFrame(frame, delay_ms, previous);
  });
}

QString GifRecorder::FileNameFor(const QDateTime& when) {
  return when.toString(QStringLiteral("yyyy.MM.dd-hh.mm.ss")) + QStringLiteral(".gif");
}

void GifRecorder::ShowPanel(bool on) {
  if (!on) {
    delete panel_;
    panel_ = nullptr;
    return;
  }
  auto* label = new QLabel(T("Creating a GIF..."), window_);
  label->setObjectName("GifPanel");
  label->setAlignment(Qt::AlignCenter);
  label->setStyleSheet(
      "background: #fff8dc; color: #800000; border: 2px solid #800000; font-weight: bold;");
  label->setGeometry((window_->width() - 175) / 2, (window_->height() - 40) / 2, 175, 40);
  label->show();
  label->raise();
  label->repaint();
  panel_ = label;
}

QString GifRecorder::Save(const std::string& program_folder) {
  if (window_ == nullptr || last_.isNull()) {
    Stop();
    return {};
  }
  // The panel paints at once; the event loop is not run here, as the save may come in the
  // middle of the table's effects.
  ShowPanel(true);
  Encode(last_, kGifLastFrameMs);
  worker_.waitForDone();
  std::string bytes = stream_->Finish();
  std::string detail = stream_->Error();
  const QString folder = QString::fromStdString(program_folder) + QStringLiteral("/GIFGame");
  const QString path = folder + "/" + FileNameFor(QDateTime::currentDateTime());
  if (!bytes.empty()) {
    if (!QDir().mkpath(folder)) {
      detail = "cannot create " + folder.toStdString();
    } else {
      const Status written = ReplaceFileAtomically(path.toStdString(), bytes);
      if (!written.ok()) detail = written.message();
    }
  }
  ShowPanel(false);
  Stop();
  if (!detail.empty()) {
    // The recording is lost, the game is not: the player hears of it once and plays on.
    messages_.ShowError(PhraseKey::CantSaveHistory, detail);
    return {};
  }
  return path;
}

}  // namespace ostrel
