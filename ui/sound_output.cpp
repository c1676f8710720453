// The audio sink behind the game-over sounds.
#include "ui/sound_output.h"

#include <QAudioDevice>
#include <QMediaDevices>

#include "patter/sounds.h"

namespace kestrel {

SoundOutput::~SoundOutput() { Stop(); }

bool SoundOutput::Stop() {
  if (sink_) {
    sink_->stop();
    sink_.reset();
  }
  buffer_.close();
  return !QMediaDevices::defaultAudioOutput().isNull();
}

bool SoundOutput::Play(const std::vector<uint8_t>& image) {
  if (!Stop()) return false;
  const std::optional<WaveFormat> wave = ParseWave(image);
  if (!wave) return false;
  QAudioFormat format;
  format.setSampleRate(wave->rate);
  format.setChannelCount(wave->channels);
  format.setSampleFormat(wave->bits == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
  const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  if (!device.isFormatSupported(format)) return false;
  samples_ = QByteArray(reinterpret_cast<const char*>(image.data() + wave->dataOffset),
                        static_cast<qsizetype>(wave->dataBytes));
  buffer_.setBuffer(&samples_);
  buffer_.open(QIODevice::ReadOnly);
  sink_ = std::make_unique<QAudioSink>(device, format);
  sink_->start(&buffer_);
  if (sink_->error() != QAudio::NoError || sink_->state() == QAudio::StoppedState) {
    Stop();
    return false;
  }
  return true;
}

}  // namespace kestrel
