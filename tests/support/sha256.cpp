// SHA-256 by coreutils' sha256sum, over the bytes written to a scratch file.
#include "tests/support/sha256.h"

#include <cstdio>
#include <memory>

#include "tests/support/scratch_dir.h"

namespace kestrel::testing {

std::string Sha256Hex(const std::vector<uint8_t>& bytes) {
  ScratchDir dir;
  ScratchDir::Put(dir.File("bytes"), std::string(bytes.begin(), bytes.end()));
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(("sha256sum " + dir.File("bytes")).c_str(), "r"), pclose);
  char hex[65] = {};
  if (!pipe || !std::fgets(hex, sizeof hex, pipe.get())) return "sha256sum failed";
  return hex;
}

}  // namespace kestrel::testing
