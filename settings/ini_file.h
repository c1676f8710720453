// The profile file format: "[Section]" lines, "key=value" lines, section and
// key names matched without regard to case, values cut at 255 characters on
// reading. Every write rereads the file, changes the one line it owns and
// replaces the whole file atomically (temporary file in the same folder,
// fsync, rename); every other line, comment and line end stays as it was.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace kestrel {

class IniFile {
 public:
  static constexpr size_t kMaxValue = 255;
  // A larger file is not a settings file: it is neither read nor replaced.
  static constexpr size_t kMaxFileSize = 16 * 1024 * 1024;

  explicit IniFile(std::string path) : path_(std::move(path)) {}

  const std::string& Path() const { return path_; }

  // The value of the first matching key of the first matching section,
  // blanks trimmed, cut at 255 characters; nullopt when the file, section or
  // key is missing or the file cannot be read.
  std::optional<std::string> Read(const std::string& section, const std::string& key) const;

  // Sets the key (adding the section or key where missing). A value holding a
  // line break is cut there. Returns false, leaving the file untouched, when
  // the file exists but cannot be read, or the new file cannot be written,
  // synced or moved into place.
  bool Write(const std::string& section, const std::string& key, const std::string& value) const;

  // The whole text of the file: true with the text, or false (missing set
  // when the file does not exist, text empty).
  bool Load(std::string& text, bool& missing) const;

  // Replaces the whole file with the text, atomically. False when the file
  // exists but cannot be read, is not a regular file or is write-protected,
  // or the new file cannot be written, synced or moved into place; the old
  // file then stays as it was. A symbolic link is written through: its
  // target is replaced in the target's folder.
  bool Replace(const std::string& text) const;

  // Test seam: replaces rename(2) for the final step of a write.
  using RenameFn = std::function<int(const char* from, const char* to)>;
  void SetRenameForTesting(RenameFn fn) { rename_ = std::move(fn); }

 private:
  std::string path_;
  RenameFn rename_;
};

// Removes the temporary files ".Kestrel32.ini.XXXXXX" that a write killed
// before its rename left in the folder: only plain files of this user with
// exactly that naming, at least minAgeSeconds old. Returns how many went.
int RemoveIniTemporaries(const std::string& folder, int minAgeSeconds = 0);

// Parses the value of a key within the text of a profile file (the reading
// half of IniFile, exposed for tests and tools).
std::optional<std::string> FindIniValue(const std::string& text, const std::string& section, const std::string& key);

// The text of the file with the key set (the writing half of IniFile).
std::string SetIniValue(const std::string& text, const std::string& section, const std::string& key,
                        const std::string& value);

}  // namespace kestrel
