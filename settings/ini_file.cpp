// The profile file format: reading a key, setting a key, and the atomic
// replacement of the file on every write.
#include "settings/ini_file.h"

#include <dirent.h>
#include <limits.h>
#include <stdlib.h>
#include <time.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <vector>

#include "game/regular_file.h"

namespace kestrel {
namespace {

struct Line {
  size_t start = 0;       // first character of the line
  size_t contentEnd = 0;  // end of the text, before CR LF or LF
  size_t end = 0;         // after the line end (== contentEnd on a last line without one)
};

std::vector<Line> SplitLines(const std::string& text) {
  std::vector<Line> lines;
  size_t pos = 0;
  while (pos < text.size()) {
    Line line;
    line.start = pos;
    size_t lf = text.find('\n', pos);
    if (lf == std::string::npos) {
      line.contentEnd = line.end = text.size();
    } else {
      line.contentEnd = (lf > pos && text[lf - 1] == '\r') ? lf - 1 : lf;
      line.end = lf + 1;
    }
    lines.push_back(line);
    pos = line.end;
  }
  return lines;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string Trim(const std::string& s) {
  size_t a = 0, b = s.size();
  while (a < b && IsBlank(s[a])) ++a;
  while (b > a && IsBlank(s[b - 1])) --b;
  return s.substr(a, b - a);
}

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (Lower(a[i]) != Lower(b[i])) return false;
  return true;
}

// What one line of the file is.
struct Parsed {
  enum Kind { kOther, kSection, kKey } kind = kOther;
  std::string name;   // section or key name, trimmed
  size_t equals = 0;  // offset of '=' within the line's text (keys)
};

Parsed ParseLine(const std::string& content) {
  Parsed p;
  std::string t = Trim(content);
  if (t.empty() || t[0] == ';') return p;
  if (t[0] == '[') {
    size_t close = t.find(']');
    p.kind = Parsed::kSection;
    p.name = Trim(t.substr(1, close == std::string::npos ? std::string::npos : close - 1));
    return p;
  }
  size_t eq = content.find('=');
  if (eq == std::string::npos) return p;
  std::string key = Trim(content.substr(0, eq));
  if (key.empty()) return p;
  p.kind = Parsed::kKey;
  p.name = key;
  p.equals = eq;
  return p;
}

// Locates the section and key: the index of the first line of the first
// matching section (npos when none), the index past its last line, and the
// index of the key line (npos when none).
struct Location {
  size_t section = std::string::npos;
  size_t sectionEnd = 0;
  size_t key = std::string::npos;
};

Location Locate(const std::string& text, const std::vector<Line>& lines, const std::string& section,
                const std::string& key) {
  Location loc;
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string content = text.substr(lines[i].start, lines[i].contentEnd - lines[i].start);
    if (i == 0 && content.compare(0, 3, "\xEF\xBB\xBF") == 0) content.erase(0, 3);  // a byte-order mark
    Parsed p = ParseLine(content);
    if (loc.section == std::string::npos) {
      if (p.kind == Parsed::kSection && SameName(p.name, section)) {
        loc.section = i;
        loc.sectionEnd = i + 1;
      }
      continue;
    }
    if (p.kind == Parsed::kSection) break;
    loc.sectionEnd = i + 1;
    if (loc.key == std::string::npos && p.kind == Parsed::kKey && SameName(p.name, key)) loc.key = i;
  }
  return loc;
}

// Reads a whole regular file. missing is set when it does not exist.
bool ReadWholeFile(const std::string& path, std::string& out, bool& missing) {
  FileStatus status = ReadRegularFile(path, out, IniFile::kMaxFileSize);
  missing = status == FileStatus::kMissing;
  return status == FileStatus::kOk;
}

bool WriteAll(int fd, const std::string& text) {
  size_t done = 0;
  while (done < text.size()) {
    ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return true;
}

std::string FolderOf(const std::string& path) {
  size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

constexpr char kTempPrefix[] = ".Kestrel32.ini.";
constexpr size_t kTempSuffixLength = 6;  // the XXXXXX of mkstemp

// A name mkstemp gives from our template: the prefix and six letters or digits.
bool IsOurTemporary(const char* name) {
  std::string n(name);
  if (n.size() != sizeof kTempPrefix - 1 + kTempSuffixLength || n.compare(0, sizeof kTempPrefix - 1, kTempPrefix) != 0)
    return false;
  for (size_t i = sizeof kTempPrefix - 1; i < n.size(); ++i) {
    char c = n[i];
    if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) return false;
  }
  return true;
}

// The file a write replaces: the path itself, or the final target when the
// path is a symbolic link (also a link whose target does not exist yet).
std::string WriteTarget(const std::string& path) {
  std::string target = path;
  for (int hops = 0; hops < 16; ++hops) {
    struct stat st {};
    if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return target;
    char buf[PATH_MAX];
    ssize_t n = ::readlink(target.c_str(), buf, sizeof buf - 1);
    if (n <= 0) return target;
    std::string link(buf, static_cast<size_t>(n));
    target = link[0] == '/' ? link : FolderOf(target) + "/" + link;
  }
  return target;
}

// Write protection the user set: no write permission bit, or no access
// (the bits matter also for root, who passes every access check).
bool WriteProtected(const struct stat& st, const std::string& path) {
  return (st.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0;
}

}  // namespace

int RemoveIniTemporaries(const std::string& folder, int minAgeSeconds) {
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return 0;
  int removed = 0;
  time_t now = ::time(nullptr);
  while (struct dirent* entry = ::readdir(dir)) {
    if (!IsOurTemporary(entry->d_name)) continue;
    std::string path = folder + "/" + entry->d_name;
    struct stat st {};
    // Only our own plain files, never a link, folder or someone else's file.
    if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid()) continue;
    if (now - st.st_mtime < minAgeSeconds) continue;
    if (::unlink(path.c_str()) == 0) ++removed;
  }
  ::closedir(dir);
  return removed;
}

std::optional<std::string> FindIniValue(const std::string& text, const std::string& section, const std::string& key) {
  std::vector<Line> lines = SplitLines(text);
  Location loc = Locate(text, lines, section, key);
  if (loc.key == std::string::npos) return std::nullopt;
  const Line& line = lines[loc.key];
  std::string content = text.substr(line.start, line.contentEnd - line.start);
  // A stray carriage return ends the value, as it does when one is written.
  std::string value = content.substr(content.find('=') + 1);
  value = Trim(value.substr(0, value.find('\r')));
  if (value.size() > IniFile::kMaxValue) value.resize(IniFile::kMaxValue);
  return value;
}

std::string SetIniValue(const std::string& text, const std::string& section, const std::string& key,
                        const std::string& rawValue) {
  std::string value = rawValue.substr(0, rawValue.find_first_of("\r\n"));
  // Keep the line ends the file already uses; CR LF for a new file.
  std::string eol = "\r\n";
  size_t firstLf = text.find('\n');
  if (firstLf != std::string::npos && (firstLf == 0 || text[firstLf - 1] != '\r')) eol = "\n";

  std::vector<Line> lines = SplitLines(text);
  Location loc = Locate(text, lines, section, key);
  if (loc.key != std::string::npos) {
    // Replace the value only: the key keeps its spelling and indentation.
    const Line& line = lines[loc.key];
    size_t eq = text.find('=', line.start);
    return text.substr(0, eq + 1) + value + text.substr(line.contentEnd);
  }
  std::string newLine = key + "=" + value + eol;
  if (loc.section != std::string::npos) {
    // After the last line of the section that is not blank.
    size_t after = loc.section;
    for (size_t i = loc.section + 1; i < loc.sectionEnd; ++i)
      if (!Trim(text.substr(lines[i].start, lines[i].contentEnd - lines[i].start)).empty()) after = i;
    const Line& line = lines[after];
    std::string head = text.substr(0, line.end);
    if (line.end == line.contentEnd) head += eol;  // last line had no line end
    return head + newLine + text.substr(line.end);
  }
  std::string out = text;
  if (!out.empty() && out.back() != '\n') out += eol;
  return out + "[" + section + "]" + eol + newLine;
}

std::optional<std::string> IniFile::Read(const std::string& section, const std::string& key) const {
  std::string text;
  bool missing = false;
  if (!ReadWholeFile(path_, text, missing)) return std::nullopt;
  return FindIniValue(text, section, key);
}

bool IniFile::Load(std::string& text, bool& missing) const { return ReadWholeFile(path_, text, missing); }

bool IniFile::Write(const std::string& section, const std::string& key, const std::string& value) const {
  std::string text;
  bool missing = false;
  if (!ReadWholeFile(path_, text, missing) && !missing) return false;  // never replace what cannot be read
  std::string newText = SetIniValue(text, section, key, value);
  if (!missing && newText == text) return true;  // nothing changes: leave the file alone
  return Replace(newText);
}

bool IniFile::Replace(const std::string& newText) const {
  // Through a symbolic link the target is replaced, in its own folder, so
  // the link stays a link.
  const std::string target = WriteTarget(path_);
  mode_t mode = 0644;
  struct stat st {};
  if (::stat(target.c_str(), &st) == 0) {
    if (!S_ISREG(st.st_mode)) return false;
    if (WriteProtected(st, target)) return false;  // the user's write protection holds
    mode = st.st_mode & 07777;
  }
  std::string folder = FolderOf(target);
  // Temporaries left by a copy that was killed while writing; a live copy's
  // temporary exists for milliseconds only.
  RemoveIniTemporaries(folder, 10);
  for (int attempt = 0; attempt < 2; ++attempt) {
    std::string tmpl = folder + "/" + kTempPrefix + "XXXXXX";
    std::vector<char> name(tmpl.begin(), tmpl.end());
    name.push_back('\0');
    int fd = ::mkstemp(name.data());
    if (fd < 0) return false;
    bool ok = WriteAll(fd, newText) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    int renameErrno = 0;
    if (ok) {
      int rc = rename_ ? rename_(name.data(), target.c_str()) : std::rename(name.data(), target.c_str());
      renameErrno = rc == 0 ? 0 : errno;
      ok = rc == 0;
    }
    if (!ok) {
      ::unlink(name.data());
      // Another copy starting up removed our temporary: write it again.
      if (renameErrno == ENOENT && attempt == 0) continue;
      return false;
    }
    int dirfd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirfd >= 0) {
      ::fsync(dirfd);
      ::close(dirfd);
    }
    return true;
  }
  return false;
}

}  // namespace kestrel
