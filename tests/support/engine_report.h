// A recording stand-in for the host's engine error report: test programs
// export KestrelEngineReport, the engine finds it by name and every report
// lands in a list the tests read and clear.
#pragma once

#include <string>
#include <vector>

namespace kestrel::test {

struct EngineReport {
  std::string text;
  std::string caption;
};

// The reports made since the last clear, oldest first.
std::vector<EngineReport> EngineReports();
void ClearEngineReports();

}  // namespace kestrel::test
