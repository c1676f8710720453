// The game-over melodies (header and tones are checked through the images
// they make) and the reading of a WAV image's format.
#include <gtest/gtest.h>

#include <algorithm>

#include "patter/sounds.h"
#include "tests/support/sha256.h"

namespace kestrel::testing {
namespace {

TEST(Sounds, MelodyImagesDoNotDependOnWhatPlayedBefore) {
  const std::string wins = "6d598cca82791ed2a7fe7dd0b520026d1fc2f7311a1fa083606882e9eefafd7d";
  const std::string loses = "95d88ddb6c8c7bda5435c0d17bd33793c759bccc399d721b803226b9635b3e12";
  MelodyImage image;
  ASSERT_EQ(image.Image().size(), 16582u);
  EXPECT_EQ(Sha256Hex(image.Synthesize(kComputerWinsMelody)), wins);
  EXPECT_EQ(Sha256Hex(image.Synthesize(kComputerLosesMelody)), loses);
  EXPECT_EQ(Sha256Hex(image.Synthesize(kComputerWinsMelody)), wins);
  EXPECT_EQ(Sha256Hex(MelodyImage().Synthesize(kComputerLosesMelody)), loses);
  // 10 units of 1653 samples: the last 8 samples stay silent.
  EXPECT_TRUE(std::all_of(image.Image().end() - 8, image.Image().end(), [](uint8_t b) { return b == 128; }));
}

TEST(Sounds, WaveFormatOfAnImage) {
  auto image = [](uint16_t format, uint16_t channels, uint32_t rate, uint16_t bits, uint32_t dataBytes,
                  size_t actualBytes) {
    Bytes h = WavHeader(dataBytes, rate);
    h[20] = static_cast<uint8_t>(format);
    h[22] = static_cast<uint8_t>(channels);
    h[34] = static_cast<uint8_t>(bits);
    h.resize(h.size() + actualBytes, 0);
    return h;
  };
  struct Case {
    const char* name;
    Bytes bytes;
    bool ok;
    size_t dataBytes;
  } cases[] = {
      {"the melody image", MelodyImage().Image(), true, 16538},
      {"16-bit stereo", image(1, 2, 44100, 16, 400, 400), true, 400},
      {"truncated data plays what is there", image(1, 1, 11025, 8, 1000, 10), true, 10},
      {"compressed", image(2, 1, 11025, 8, 10, 10), false, 0},
      {"no samples", image(1, 1, 11025, 8, 0, 0), false, 0},
      {"24-bit", image(1, 1, 11025, 24, 9, 9), false, 0},
      {"text", Bytes{'H', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd', '!', '\n'}, false, 0},
      {"empty", Bytes{}, false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::optional<WaveFormat> f = ParseWave(c.bytes);
    ASSERT_EQ(f.has_value(), c.ok);
    if (!f) continue;
    EXPECT_EQ(f->dataOffset, 44u);
    EXPECT_EQ(f->dataBytes, c.dataBytes);
  }
}

}  // namespace
}  // namespace kestrel::testing
