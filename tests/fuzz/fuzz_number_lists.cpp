// Number lists: the options record, the dog-ear list and the leading-number
// rule of integer keys. Whatever the text, a list has exactly the fields
// asked for, 16-bit fields stay in range, and an options record written back
// reads as the same options.
#include <cstdint>
#include <string>

#include "settings/options.h"
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const size_t fields = data[0] % 20;
  const bool firstIs32Bit = data[0] & 0x80;
  const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

  const std::vector<int32_t> list = kestrel::ParseNumberList(text, fields, firstIs32Bit);
  Check(list.size() == fields);
  for (size_t i = 0; i < list.size(); ++i)
    if (i > 0 || !firstIs32Bit) Check(list[i] >= INT16_MIN && list[i] <= INT16_MAX);

  kestrel::Options once;
  if (kestrel::ParseOptionsRecord(text, once)) {
    const std::string record = kestrel::FormatOptionsRecord(once);
    kestrel::Options twice;
    Check(kestrel::ParseOptionsRecord(record, twice));
    Check(kestrel::FormatOptionsRecord(twice) == record);
  }

  const std::string marks = kestrel::ParseDogEars(text);
  Check(marks.size() <= 13);
  for (char c : marks) Check(static_cast<unsigned char>(c) <= 51);
  (void)kestrel::LeadingNumber(text);
  return 0;
}
