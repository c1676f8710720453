// The game-over melodies: the WAV image format, the square-wave tones they
// are made of, and the one in-memory image a melody is synthesized into.
// Also the reading of a WAV image's format, for playing sound files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace kestrel {

using Bytes = std::vector<uint8_t>;

// Melodies: one code per note, pitch = code / 8, length = (code & 7) + 1 units.
inline const Bytes kComputerWinsMelody{56, 96, 128, 153, 128, 155};
inline const Bytes kComputerLosesMelody{58, 56, 101};

inline constexpr int kSoundRate = 11025;
inline constexpr int kSoundSamples = 16538;  // 1.5 seconds, rounded to even
inline constexpr size_t kWavHeaderBytes = 44;

// The 44-byte header of an 8-bit unsigned mono PCM image of `samples`
// samples at `rate` samples per second.
Bytes WavHeader(uint32_t samples, uint32_t rate);

// `length` samples: a square wave of the pitch (24 gives a 24-sample
// period, one step a semitone) over about two thirds of them, then silence
// (128).
Bytes ToneSegment(int pitch, int length);

class MelodyImage {
 public:
  // The header and kSoundSamples samples of silence.
  MelodyImage();
  // Synthesizes the melody over the samples from the first one on; samples
  // past the melody keep what they held. Returns the whole image.
  const Bytes& Synthesize(const Bytes& melody);
  const Bytes& Image() const { return image_; }

 private:
  Bytes image_;
};

// Where the samples of a PCM WAV image are and how to play them.
struct WaveFormat {
  int channels = 0;
  int rate = 0;
  int bits = 0;  // 8 (unsigned) or 16 (signed)
  size_t dataOffset = 0;
  size_t dataBytes = 0;
};
// The format of a RIFF WAVE image holding uncompressed 8- or 16-bit PCM
// with one or two channels; nothing for anything else.
std::optional<WaveFormat> ParseWave(const Bytes& image);

}  // namespace kestrel
