// Reading the tail of the activity log.
#include "stats/log_tail.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace kestrel {

namespace {

const char kCrLf[] = "\r\n";

// Reads the last `limit` bytes; false on any error.
bool ReadTail(const std::string& path, size_t limit, std::string& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return false;
  bool ok = std::fseek(file, 0, SEEK_END) == 0;
  const long length = ok ? std::ftell(file) : -1;
  ok = ok && length >= 0;
  const size_t n = ok ? static_cast<size_t>(length) : 0;
  const size_t start = n > limit ? n - limit : 0;
  ok = ok && std::fseek(file, static_cast<long>(start), SEEK_SET) == 0;
  if (ok) {
    bytes.resize(n - start);
    const size_t got = bytes.empty() ? 0 : std::fread(bytes.data(), 1, bytes.size(), file);
    ok = got == bytes.size() && !std::ferror(file);
    bytes.resize(got);
  }
  std::fclose(file);
  return ok;
}

}  // namespace

std::string LogTail(const std::string& logFile, size_t limit, const std::string& marker) {
  std::error_code error;
  const auto status = std::filesystem::status(logFile, error);
  if (logFile.empty() || status.type() == std::filesystem::file_type::not_found)
    return std::string(" No log file to display.") + kCrLf;
  std::string bytes;
  if (error || std::filesystem::is_directory(status) || !ReadTail(logFile, limit, bytes))
    return " Problem reading " + logFile + "." + kCrLf;
  if (bytes.size() == limit) {
    const size_t at = bytes.find(marker);
    if (at != std::string::npos) bytes.erase(0, at);
  }
  return std::string(" Tail of log file:") + kCrLf + bytes;
}

}  // namespace kestrel
