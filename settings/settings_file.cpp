// The location of the profile file and its access primitives.
#include "settings/settings_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <limits>

#include "settings/options.h"

namespace kestrel {
namespace {

// mkdir -p; failures show up at the write that follows.
void MakeFolders(const std::string& folder) {
  for (size_t pos = 1; pos <= folder.size(); ++pos) {
    if (pos == folder.size() || folder[pos] == '/') ::mkdir(folder.substr(0, pos).c_str(), 0700);
  }
}

}  // namespace

std::string UserConfigFolder() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  if (xdg && xdg[0] == '/') return std::string(xdg) + "/Kestrel";
  const char* home = std::getenv("HOME");
  return std::string(home && home[0] ? home : ".") + "/.config/Kestrel";
}

bool SettingsBesideProgram(const std::string& programFolder) {
  const std::string marker = programFolder + "/" + kInstalledMarker;
  if (::access(marker.c_str(), F_OK) == 0) return false;
  return ::access(programFolder.c_str(), W_OK) == 0;
}

SettingsFile::SettingsFile(std::string programFolder, CommandLine commandLine, bool settingsInProgramFolder)
    : programFolder_(std::move(programFolder)),
      commandLine_(std::move(commandLine)),
      inProgramFolder_(settingsInProgramFolder) {
  while (programFolder_.size() > 1 && programFolder_.back() == '/') programFolder_.pop_back();
  if (programFolder_.empty()) programFolder_.push_back('.');
}

std::string SettingsFile::IniFolder() const {
  return InUserFolder() ? UserConfigFolder() : programFolder_;
}

int16_t SettingsFile::ReadIniInt(const std::string& section, const std::string& key) const {
  int64_t v = LeadingNumber(ReadIniString(section, key));
  if (v < std::numeric_limits<int16_t>::min() || v > std::numeric_limits<int16_t>::max()) return 0;
  return static_cast<int16_t>(v);
}

std::string SettingsFile::ReadIniString(const std::string& section, const std::string& key) const {
  if (batching_) return FindIniValue(batchText_, section, key).value_or(std::string());
  return IniFile(IniPath()).Read(section, key).value_or(std::string());
}

void SettingsFile::BeginBatch() {
  bool missing = false;
  batchReadable_ = IniFile(IniPath()).Load(batchText_, missing) || missing;
  if (!batchReadable_) batchText_.clear();
  batchChanged_ = false;
  batching_ = true;
}

bool SettingsFile::CommitBatch() {
  if (!batching_) return true;
  batching_ = false;
  if (!batchChanged_) return true;
  std::string folder = IniFolder();
  if (InUserFolder()) MakeFolders(folder);
  IniFile file(folder + "/" + kIniFileName);
  if (rename_) file.SetRenameForTesting(rename_);
  if (batchReadable_ && file.Replace(batchText_)) return true;
  Report(file.Path());
  return false;
}

void SettingsFile::Report(const std::string& path) {
  writeFailed_ = true;
  if (reported_) return;
  reported_ = true;
  if (report_)
    report_("Problem writing to file:\n\n" + path + "\n\nSettings changed in this session may not be saved.");
}

bool SettingsFile::WriteIniString(const std::string& section, const std::string& key, const std::string& value) {
  if (batching_) {
    std::string changed = SetIniValue(batchText_, section, key, value);
    batchChanged_ = batchChanged_ || changed != batchText_;
    batchText_ = std::move(changed);
    return true;
  }
  std::string folder = IniFolder();
  if (InUserFolder()) MakeFolders(folder);
  IniFile file(folder + "/" + kIniFileName);
  if (rename_) file.SetRenameForTesting(rename_);
  if (file.Write(section, key, value)) return true;
  Report(file.Path());
  return false;
}

}  // namespace kestrel
