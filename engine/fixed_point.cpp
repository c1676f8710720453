// Shift-and-add logarithm and exponential, and the Fix0.16 power.
#include "engine/fixed_point.h"

namespace osprey {
namespace {

// 65536 * log2(2^(i+1) / (2^(i+1) - 1)); the first entry capped to 16 bits.
constexpr uint32_t kLogSteps[16] = {65535, 27200, 12625, 6102, 3002, 1488, 741, 370,
                                    184,   92,    46,    23,   11,   5,    2,    1};
// 65536 * log2(1 + 2^-(i+1)).
constexpr uint32_t kExpSteps[16] = {38336, 21098, 11136, 5732, 2909, 1466, 736, 369,
                                    184,   92,    46,    23,   12,   6,    3,    1};

}  // namespace

uint32_t NegLog2Mantissa(uint32_t m) {
  // Walk y down from 1.0 towards m by factors (1 - 2^-(i+1)), adding the
  // logarithm of each factor taken; y carries 15 guard bits.
  if (m <= 0x8000) return 0x10000;
  const uint64_t target = uint64_t(m) << 15;
  uint64_t y = uint64_t(1) << 31;
  uint32_t acc = 0;
  for (int i = 0; i < 16; ++i) {
    for (;;) {
      uint64_t t = y - (y >> (i + 1));
      if (t < target) break;
      y = t;
      acc += kLogSteps[i];
    }
  }
  return acc;
}

uint32_t Exp2Neg(uint32_t t) {
  uint32_t whole = t >> 16, frac = t & 0xFFFF;
  if (whole >= 17) return 0;
  // 2^(1 - frac) in [1, 2] as 16.16, built from factors (1 + 2^-(i+1)).
  uint32_t rest = 0x10000 - frac;
  uint64_t b = uint64_t(1) << 31;  // 1.0 with 15 guard bits
  for (int i = 0; i < 16; ++i) {
    while (rest >= kExpSteps[i]) {
      rest -= kExpSteps[i];
      b += b >> (i + 1);
    }
  }
  uint64_t r = b >> (whole + 16);
  return r > 0xFFFF ? 0xFFFFu : static_cast<uint32_t>(r);
}

uint32_t FixPow(uint32_t x, uint32_t e) {
  if (x == 0) return 0;
  // Integer part of the exponent by repeated squaring.
  uint64_t r = 0x10000, b = x;
  for (uint32_t n = e >> 8; n; n >>= 1) {
    if (n & 1) r = (r * b) >> 16;
    b = (b * b) >> 16;
  }
  uint32_t f = e & 0xFF;
  uint64_t frac;
  if (f == 0) {
    frac = 0xFFFF;
  } else if ((0x10000 - x) * f <= 0xFFFF) {
    frac = 0x10000 - (((0x10000 - x) * f) >> 8);
  } else {
    uint32_t m = x, shift = 0;
    while (m < 0x8000) {
      m <<= 1;
      ++shift;
    }
    uint64_t lg = (uint64_t(shift) << 16) + NegLog2Mantissa(m);
    frac = Exp2Neg(uint32_t((lg * f) >> 8));
  }
  uint64_t res = (r * frac) >> 16;
  return res > 0xFFFF ? 0xFFFF : uint32_t(res);
}

}  // namespace osprey
