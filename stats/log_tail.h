// The tail of the activity log shown under the statistics.
#pragma once

#include <cstddef>
#include <string>

namespace kestrel {

// The last `limit` bytes of the log file under " Tail of log file:"; when
// exactly `limit` bytes were read, starting at the first `marker` in them (a
// game header). " No log file to display." when there is no such file,
// " Problem reading <file>." when it cannot be read. Each ends in CR LF.
std::string LogTail(const std::string& logFile, size_t limit = 8192, const std::string& marker = "\r\n Game ");

}  // namespace kestrel
