// The location of the profile file and its access primitives.
#include "settings/settings_file.h"

#include <sys/stat.h>

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

SettingsFile::SettingsFile(std::string programFolder, CommandLine commandLine)
    : programFolder_(std::move(programFolder)), commandLine_(std::move(commandLine)) {
  while (programFolder_.size() > 1 && programFolder_.back() == '/') programFolder_.pop_back();
  if (programFolder_.empty()) programFolder_.push_back('.');
}

std::string SettingsFile::IniFolder() const {
  return commandLine_.OldIniPath() ? UserConfigFolder() : programFolder_;
}

int16_t SettingsFile::ReadIniInt(const std::string& section, const std::string& key) const {
  int64_t v = LeadingNumber(ReadIniString(section, key));
  if (v < std::numeric_limits<int16_t>::min() || v > std::numeric_limits<int16_t>::max()) return 0;
  return static_cast<int16_t>(v);
}

std::string SettingsFile::ReadIniString(const std::string& section, const std::string& key) const {
  return IniFile(IniPath()).Read(section, key).value_or(std::string());
}

bool SettingsFile::WriteIniString(const std::string& section, const std::string& key, const std::string& value) {
  std::string folder = IniFolder();
  if (commandLine_.OldIniPath()) MakeFolders(folder);
  IniFile file(folder + "/" + kIniFileName);
  if (rename_) file.SetRenameForTesting(rename_);
  if (file.Write(section, key, value)) return true;
  writeFailed_ = true;
  if (!reported_) {
    reported_ = true;
    if (report_)
      report_("Problem writing to file:\n\n" + file.Path() +
              "\n\nSettings changed in this session may not be saved.");
  }
  return false;
}

}  // namespace kestrel
