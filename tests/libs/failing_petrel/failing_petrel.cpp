// An alternate decision library that fails: Discard reports an argument
// error (-1) and MakePegPlay is missing altogether.
#include <cstdint>

extern "C" __attribute__((visibility("default"))) int16_t Discard(const unsigned char*, int16_t, int16_t) {
  return -1;
}
