// SHA-256 of a byte string, as lower-case hex (reference figures in tests).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kestrel::testing {

std::string Sha256Hex(const std::vector<uint8_t>& bytes);

}  // namespace kestrel::testing
