// The audio output of the game-over sounds: a PCM WAV image played from
// memory through an audio sink, asynchronously. Without a sound device
// nothing plays and nothing waits.
#pragma once

#include <QAudioSink>
#include <QBuffer>
#include <QByteArray>
#include <QObject>
#include <cstdint>
#include <memory>
#include <vector>

namespace kestrel {

class SoundOutput : public QObject {
  Q_OBJECT
 public:
  explicit SoundOutput(QObject* parent = nullptr) : QObject(parent) {}
  ~SoundOutput() override;
  // Starts the image in place of whatever plays; false when it is not a
  // playable PCM image or the device refuses it.
  bool Play(const std::vector<uint8_t>& image);
  // Silences whatever plays; false when there is no audio output device.
  bool Stop();

 private:
  std::unique_ptr<QAudioSink> sink_;
  QByteArray samples_;
  QBuffer buffer_;
};

}  // namespace kestrel
