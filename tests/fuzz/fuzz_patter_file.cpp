// The patter file reader: any bytes as a patter file. A file that loads
// gives 56 texts that stay on one line, and the template written from them
// loads back to the same texts.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "patter/patter.h"
#include "patter/patter_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  kestrel::PatterTable patter;
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  if (!kestrel::LoadPatterLines(in, patter)) return 0;
  const std::string once = kestrel::PatterTemplate(patter);
  kestrel::PatterTable again;
  std::istringstream back(once);
  if (!kestrel::LoadPatterLines(back, again)) std::abort();
  if (kestrel::PatterTemplate(again) != once) std::abort();
  return 0;
}
