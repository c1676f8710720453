// Opening only regular files, never blocking.
#include "game/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace kestrel {
namespace {

FileStatus StatusOf(const struct stat& st) { return S_ISREG(st.st_mode) ? FileStatus::kOk : FileStatus::kNotRegular; }

FileStatus StatusOfErrno(int err) { return err == ENOENT || err == ENOTDIR ? FileStatus::kMissing : FileStatus::kError; }

}  // namespace

FileStatus CheckRegularFile(const std::string& path) {
  if (path.empty()) return FileStatus::kMissing;
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return StatusOfErrno(errno);
  return StatusOf(st);
}

int OpenRegularFile(const std::string& path, int flags, FileStatus* status, mode_t mode) {
  FileStatus dummy;
  FileStatus& result = status ? *status : dummy;
  // Checked before opening so that a device is never even opened; checked
  // again on the descriptor because the path may change in between, where
  // O_NONBLOCK keeps a FIFO from blocking the open itself.
  result = CheckRegularFile(path);
  if (result == FileStatus::kNotRegular || result == FileStatus::kError) return -1;
  if (result == FileStatus::kMissing && !(flags & O_CREAT)) return -1;
  int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, mode);
  if (fd < 0) {
    result = errno == ENXIO ? FileStatus::kNotRegular : StatusOfErrno(errno);
    return -1;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    result = FileStatus::kNotRegular;
    return -1;
  }
  int fl = ::fcntl(fd, F_GETFL);
  if (fl >= 0) ::fcntl(fd, F_SETFL, fl & ~O_NONBLOCK);
  result = FileStatus::kOk;
  return fd;
}

FileStatus ReadRegularFile(const std::string& path, std::string& out, size_t maxBytes) {
  out.clear();
  FileStatus status;
  int fd = OpenRegularFile(path, O_RDONLY, &status);
  if (fd < 0) return status;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || static_cast<unsigned long long>(st.st_size) > maxBytes) {
    ::close(fd);
    return FileStatus::kTooLarge;
  }
  out.reserve(static_cast<size_t>(st.st_size));
  char buf[65536];
  for (;;) {
    ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      status = FileStatus::kError;
      break;
    }
    if (n == 0) break;
    if (out.size() + static_cast<size_t>(n) > maxBytes) {  // the file grew while being read
      status = FileStatus::kTooLarge;
      break;
    }
    out.append(buf, static_cast<size_t>(n));
  }
  ::close(fd);
  if (status != FileStatus::kOk) out.clear();
  return status;
}

bool AppendToRegularFile(const std::string& path, const std::string& text) {
  int fd = OpenRegularFile(path, O_WRONLY | O_APPEND | O_CREAT);
  if (fd < 0) return false;
  bool ok = true;
  size_t done = 0;
  while (ok && done < text.size()) {
    ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    ok = n > 0;
    if (ok) done += static_cast<size_t>(n);
  }
  return (::close(fd) == 0) && ok;
}

}  // namespace kestrel
