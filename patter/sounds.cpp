// The game-over melodies and the WAV image they play from.
#include "patter/sounds.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace kestrel {

namespace {

void Put32(Bytes& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
void Put16(Bytes& out, uint16_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
void PutText(Bytes& out, const char* text) { out.insert(out.end(), text, text + std::strlen(text)); }

uint32_t Read32(const Bytes& b, size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}
uint16_t Read16(const Bytes& b, size_t at) { return static_cast<uint16_t>(b[at] | (b[at + 1] << 8)); }

}  // namespace

Bytes WavHeader(uint32_t samples, uint32_t rate) {
  Bytes h;
  h.reserve(kWavHeaderBytes);
  PutText(h, "RIFF");
  Put32(h, samples + 36);
  PutText(h, "WAVEfmt ");
  Put32(h, 16);    // format block size
  Put16(h, 1);     // PCM
  Put16(h, 1);     // one channel
  Put32(h, rate);  // samples per second
  Put32(h, rate);  // bytes per second
  Put16(h, 1);     // block alignment
  Put16(h, 8);     // bits per sample
  PutText(h, "data");
  Put32(h, samples);
  return h;
}

Bytes ToneSegment(int pitch, int length) {
  Bytes out;
  if (length <= 0) return out;
  const double period = 24.0 * std::pow(2.0, (24 - pitch) / 12.0);
  const int n = static_cast<int>(period);
  Bytes cycle;
  for (int i = 1; i <= n; ++i) {
    const double d = period / 2 - i;
    cycle.push_back(d > 0 ? 160 : d < 0 ? 96 : 128);
  }
  // Whole cycles over about two thirds of the note; a byte of 128 now and
  // then keeps the average period at the real one.
  long k = 0, m = 0;
  while (n > 0 && m < length * 0.66) {
    out.insert(out.end(), cycle.begin(), cycle.end());
    ++k;
    m += n;
    if (k * period > m) {
      out.push_back(128);
      ++m;
    }
  }
  out.resize(static_cast<size_t>(length), 128);
  return out;
}

MelodyImage::MelodyImage() : image_(WavHeader(kSoundSamples, kSoundRate)) {
  image_.resize(kWavHeaderBytes + kSoundSamples, 128);
}

const Bytes& MelodyImage::Synthesize(const Bytes& melody) {
  int units = 0;
  for (uint8_t code : melody) units += (code & 7) + 1;
  if (units == 0) return image_;
  const int perUnit = static_cast<int>(image_.size() - kWavHeaderBytes) / units;
  size_t at = kWavHeaderBytes;
  for (uint8_t code : melody) {
    const int length = perUnit * ((code & 7) + 1);
    const Bytes tone = ToneSegment(code / 8, length);
    std::copy(tone.begin(), tone.end(), image_.begin() + static_cast<std::ptrdiff_t>(at));
    at += tone.size();
  }
  return image_;
}

std::optional<WaveFormat> ParseWave(const Bytes& image) {
  if (image.size() < 12 || std::memcmp(image.data(), "RIFF", 4) != 0 ||
      std::memcmp(image.data() + 8, "WAVE", 4) != 0)
    return std::nullopt;
  WaveFormat format;
  bool haveFormat = false;
  size_t at = 12;
  while (at + 8 <= image.size()) {
    const uint32_t size = Read32(image, at + 4);
    const size_t body = at + 8;
    const size_t available = image.size() - body;
    if (std::memcmp(image.data() + at, "fmt ", 4) == 0) {
      if (size < 16 || available < 16) return std::nullopt;
      if (Read16(image, body) != 1) return std::nullopt;  // PCM only
      format.channels = Read16(image, body + 2);
      const uint32_t rate = Read32(image, body + 4);
      format.bits = Read16(image, body + 14);
      if (format.channels < 1 || format.channels > 2 || (format.bits != 8 && format.bits != 16) ||
          rate < 1000 || rate > 192000)
        return std::nullopt;
      format.rate = static_cast<int>(rate);
      haveFormat = true;
    } else if (std::memcmp(image.data() + at, "data", 4) == 0) {
      if (!haveFormat) return std::nullopt;
      format.dataOffset = body;
      // A data size past the end (a truncated file) plays what is there.
      format.dataBytes = std::min<size_t>(size, available);
      const size_t frame = static_cast<size_t>(format.channels * format.bits / 8);
      format.dataBytes -= format.dataBytes % frame;
      if (format.dataBytes == 0) return std::nullopt;
      return format;
    }
    if (size > available) return std::nullopt;
    at = body + size + (size & 1);  // chunks are padded to even sizes
  }
  return std::nullopt;
}

}  // namespace kestrel
