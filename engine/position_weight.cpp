// The position weight: how the two needs fold into a base probability and
// how that probability is sharpened by a power that depends on the need.
#include "engine/position_weight.h"

#include "engine/fixed_point.h"

namespace osprey {
namespace {

constexpr uint8_t kCurve[26] = {103, 78,  56,  37,  22,  10,  4,   1,   6,   23,  54,  88,  128,
                                168, 202, 233, 250, 255, 252, 246, 234, 219, 200, 178, 153, 128};

int Curve(int n) { return kCurve[(n + 4) % 26]; }

int Scale(int h, int s) { return s == 0 ? 0 : h * (s - 128); }

}  // namespace

uint32_t SharpenExponent(int m) {
  uint32_t x = uint32_t(2 * m + 32) ^ 0x1FEu;
  uint32_t k = 2;
  while (x & 0x100) {
    x <<= 1;
    ++k;
  }
  // log2(1 + y/256) truncated to 8 fraction bits, one bit per squaring of
  // v = 1 + y/256 (30 fraction bits, far more than the 8 bits kept need).
  uint64_t v = uint64_t(256 + (x & 0xFF)) << 22;
  uint32_t frac = 0;
  for (int bit = 0; bit < 8; ++bit) {
    v = (v * v) >> 30;
    frac <<= 1;
    if (v >= (uint64_t(2) << 30)) {
      v >>= 1;
      frac |= 1;
    }
  }
  return (k << 8) + frac;
}

uint32_t PositionWeight(int dealerScore, int poneScore) {
  int D = dealerScore >= 121 ? 0 : 121 - (dealerScore < 0 ? 0 : dealerScore);
  int P = poneScore >= 121 ? 0 : 121 - (poneScore < 0 ? 0 : poneScore);
  int d, m;
  for (;;) {
    d = P - D + 3;
    if (d >= 0) {
      m = D;
      if (d <= 21 || P <= 30) break;
      P -= 30;
    } else {
      m = P;
      if (-d <= 21 || D <= 30) break;
      D -= 30;
    }
  }
  int g = (Curve(D) + Curve(P)) / 2;
  int s1 = ((4 * (d - 32)) % 256 + 256) % 256;
  uint32_t p = uint32_t(0x8000 + Scale(m, s1) + Scale(128 - m, g)) & 0xFFFF;
  uint32_t e = SharpenExponent(m);
  if (p < 0x8000) return FixPow(2 * p, e) / 2;
  return 0x8000 + (0xFFFF - FixPow(0xFFFF - (2 * p - 0x10000), e)) / 2;
}

}  // namespace osprey
