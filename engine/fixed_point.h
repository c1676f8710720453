// Fixed-point arithmetic of the decision code: Fix0.16 fractions (0x10000 =
// 1.0), Fix8.8 exponents (256 = 1.0), a shift-and-add base-2 logarithm and
// exponential, and the fractional power built on them.
#pragma once

#include <cstdint>

namespace osprey {

// -log2(m / 65536) in 1/65536 units for a mantissa m in [0x8000, 0xFFFF].
uint32_t NegLog2Mantissa(uint32_t m);

// 2^(-t) as a Fix0.16 fraction (at most 0xFFFF) for t >= 0 in 1/65536 units.
uint32_t Exp2Neg(uint32_t t);

// x (Fix0.16, 0..0xFFFF) raised to the power e (Fix8.8); the result is
// 0..0xFFFF. An exponent of 0 gives 0xFFFF, a base of 0 gives 0.
uint32_t FixPow(uint32_t x, uint32_t e);

}  // namespace osprey
