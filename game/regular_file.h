// Every file the user names (the settings file, the card data file, the card
// back picture, the patter file, the sound files, the activity log) is opened
// through these helpers: only a regular file is ever opened (a symbolic link
// counts as its target), and opening never blocks, so a FIFO or a device
// named by mistake is an unreadable file instead of a program that hangs.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <string>

namespace kestrel {

enum class FileStatus {
  kOk,
  kMissing,     // the file (or a folder on its path) does not exist
  kNotRegular,  // a folder, FIFO, device or socket
  kTooLarge,    // larger than the reader accepts
  kError,       // any other failure to open or read
};

// Opens the file with open(2) flags (O_RDONLY, O_WRONLY | O_APPEND | O_CREAT,
// ...) when it is a regular file or, with O_CREAT, does not exist yet. The
// descriptor is blocking once open. -1 otherwise, with status set.
int OpenRegularFile(const std::string& path, int flags, FileStatus* status = nullptr, mode_t mode = 0644);

// What is at the path, without opening it.
FileStatus CheckRegularFile(const std::string& path);
inline bool IsRegularFile(const std::string& path) { return CheckRegularFile(path) == FileStatus::kOk; }

// Reads the whole file into out (cleared first); files larger than maxBytes
// are refused unread.
FileStatus ReadRegularFile(const std::string& path, std::string& out, size_t maxBytes);

// Appends the text, creating the file when it is missing. False when the file
// is not a regular file or any step fails.
bool AppendToRegularFile(const std::string& path, const std::string& text);

}  // namespace kestrel
