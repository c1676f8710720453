// Loads libOsprey32.so by name in a process that offers no report function,
// calls ScoreHand with a card twice and prints the result on standard output.
#include <dlfcn.h>

#include <cstdio>

#include "engine/osprey32.h"

int main() {
  void* library = dlopen(KESTREL_BIN_DIR "/libOsprey32.so", RTLD_NOW | RTLD_LOCAL);
  if (!library) {
    std::printf("no library: %s\n", dlerror());
    return 1;
  }
  auto scoreHand = reinterpret_cast<ScoreHandFn>(dlsym(library, "ScoreHand"));
  const unsigned char hand[5] = {7, 7, 8, 9, 10};
  std::fflush(stderr);
  std::printf("%d\n", scoreHand ? scoreHand(hand, 0) : 1000);
  dlclose(library);
  return 0;
}
