#include "media/audio_output.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>

namespace ostrel {

namespace {

void DropMessage(QtMsgType, const QMessageLogContext&, const QString&) {}

// Asking Qt for the audio devices on a machine without a sound server makes Qt Multimedia warn
// on the terminal; the program is meant to be silent then, so the question is asked quietly.
QAudioDevice QuietDefaultOutput() {
  const QtMessageHandler previous = qInstallMessageHandler(DropMessage);
  QAudioDevice device = QMediaDevices::defaultAudioOutput();
  qInstallMessageHandler(previous);
  return device;
}

// QSoundEffect cannot play bytes held in memory (the voice pack's clips are), so both the
// program's effects and the voices go through one QAudioSink fed from a buffer.
class DeviceOutput : public AudioOutput {
 public:
  ~DeviceOutput() override { Stop(); }

  void Start(const QByteArray& wav, const WavInfo& info) override {
    Stop();
    const QAudioDevice device = QuietDefaultOutput();
    if (device.isNull()) return;
    QAudioFormat format;
    format.setSampleRate(info.sample_rate);
    format.setChannelCount(info.channels);
    format.setSampleFormat(info.bits_per_sample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) return;
    pcm_ = std::make_unique<QBuffer>();
    pcm_->setData(
        wav.mid(static_cast<qsizetype>(info.data_offset), static_cast<qsizetype>(info.data_bytes)));
    pcm_->open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(device, format);
    // A finished clip gives its stream back to the sound server at once.
    QAudioSink* sink = sink_.get();
    QObject::connect(sink, &QAudioSink::stateChanged, sink, [sink](QAudio::State state) {
      if (state == QAudio::IdleState) sink->stop();
    });
    sink_->start(pcm_.get());
  }

  void Stop() override {
    if (sink_) sink_->stop();
    sink_.reset();
    pcm_.reset();
  }

 private:
  std::unique_ptr<QBuffer> pcm_;
  std::unique_ptr<QAudioSink> sink_;
};

}  // namespace

std::unique_ptr<AudioOutput> MakeDeviceOutput() {
  return std::make_unique<DeviceOutput>();
}

}  // namespace ostrel
