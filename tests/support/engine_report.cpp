// The test programs' KestrelEngineReport: records each engine report instead
// of showing a message box.
#include "tests/support/engine_report.h"

#include <mutex>

#include "engine/osprey32.h"

namespace kestrel::test {
namespace {

std::mutex& ReportMutex() {
  static std::mutex mutex;
  return mutex;
}

std::vector<EngineReport>& Reports() {
  static std::vector<EngineReport> reports;
  return reports;
}

}  // namespace

std::vector<EngineReport> EngineReports() {
  std::lock_guard lock(ReportMutex());
  return Reports();
}

void ClearEngineReports() {
  std::lock_guard lock(ReportMutex());
  Reports().clear();
}

}  // namespace kestrel::test

extern "C" __attribute__((visibility("default"))) void KestrelEngineReport(const char* text,
                                                                          const char* caption) {
  std::lock_guard lock(kestrel::test::ReportMutex());
  kestrel::test::Reports().push_back({text ? text : "", caption ? caption : ""});
}
