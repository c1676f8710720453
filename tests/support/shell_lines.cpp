// The output lines of a shell command.
#include "tests/support/shell_lines.h"

#include <cstdio>
#include <memory>

// The output lines of a shell command.
std::vector<std::string> Lines(const std::string& command) {
  std::vector<std::string> lines;
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  if (!pipe) return lines;
  char buffer[512];
  while (std::fgets(buffer, sizeof buffer, pipe.get())) {
    std::string line(buffer);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
    lines.push_back(line);
  }
  return lines;
}
