// A readable page followed by an inaccessible one: Place() copies bytes so
// that they end exactly at the boundary, and reading one byte more than the
// count allows crashes the test.
#pragma once

#include <sys/mman.h>
#include <unistd.h>

#include <cstring>
#include <string>

namespace kestrel::test {

class GuardedBytes {
 public:
  GuardedBytes() {
    page_ = static_cast<size_t>(sysconf(_SC_PAGESIZE));
    void* p = mmap(nullptr, 2 * page_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    base_ = static_cast<unsigned char*>(p);
    mprotect(base_ + page_, page_, PROT_NONE);
  }
  ~GuardedBytes() { munmap(base_, 2 * page_); }
  GuardedBytes(const GuardedBytes&) = delete;
  GuardedBytes& operator=(const GuardedBytes&) = delete;

  const unsigned char* Place(const std::string& bytes) {
    unsigned char* start = base_ + page_ - bytes.size();
    std::memcpy(start, bytes.data(), bytes.size());
    return start;
  }

 private:
  size_t page_ = 0;
  unsigned char* base_ = nullptr;
};

}  // namespace kestrel::test
