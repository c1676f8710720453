// What the fuzz targets share: a failed check aborts, which libFuzzer
// reports as a crash and keeps the input; engine argument reports (the
// engine finds this function by name) are dropped instead of printed.
#pragma once

#include <cstdlib>

inline void Check(bool ok) {
  if (!ok) std::abort();
}

extern "C" void KestrelEngineReport(const char*, const char*) {}
