// The card data reader: any bytes as the card data file and any pointer.
// Every deal is 13 different cards, the pointer moves only forward through
// the file, and the source falls back to the default sequence exactly when
// the file runs out. The file lives in memory (memfd), a regular file.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <string>

#include "engine/osprey32.h"
#include "game/card_source.h"
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 5) return 0;
  int32_t pointer = static_cast<int32_t>(data[0] | data[1] << 8 | data[2] << 16 | static_cast<uint32_t>(data[3]) << 24);
  if (data[4] & 1) pointer = static_cast<int32_t>(static_cast<uint32_t>(pointer) % (size + 1));
  const int deals = 1 + data[4] / 64;
  data += 5;
  size -= 5;

  static const int fd = ::memfd_create("cards", 0);
  if (fd < 0) return 0;
  if (::ftruncate(fd, 0) != 0 || ::pwrite(fd, data, size, 0) != static_cast<ssize_t>(size)) return 0;
  static const std::string path = "/proc/self/fd/" + std::to_string(fd);

  kestrel::Options options;
  options.intCardSource = 1;
  options.strDataFile = path;
  options.lngSeedOrPointer = pointer;
  kestrel::CardSource source(options, [](int32_t s) { return ::RandSeed(s); });
  int reversions = 0;
  source.SetReversionHandler([&](const std::string&) { ++reversions; });
  Check(source.DataFileLength() == static_cast<int64_t>(size));

  for (int d = 0; d < deals; ++d) {
    const bool fromFile = options.intCardSource == 1;
    const int32_t start = options.lngSeedOrPointer;
    const std::string peek = source.PeekCards(13);
    Check(options.lngSeedOrPointer == start && options.intCardSource == (fromFile ? 1 : 0));
    const std::string deal = source.DrawCards(13);
    Check(deal == peek && deal.size() == 13);
    uint64_t seen = 0;
    for (char c : deal) {
      const unsigned card = static_cast<unsigned char>(c);
      Check(card <= 51 && !(seen >> card & 1));
      seen |= uint64_t{1} << card;
    }
    if (fromFile && options.intCardSource == 1) Check(options.lngSeedOrPointer > start);
  }
  Check(reversions <= 1);
  return 0;
}
