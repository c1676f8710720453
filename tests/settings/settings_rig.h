// A settings file in a fresh scratch folder, recording the write-failure
// reports it makes, and a text of every option for comparing two sets at once.
#pragma once

#include <string>
#include <vector>

#include "settings/options.h"
#include "settings/settings_file.h"
#include "tests/support/scratch_dir.h"

namespace kestrel::testing {

struct SettingsRig {
  explicit SettingsRig(const std::string& commandLine = "", const std::string& text = "")
      : file(dir.Path(), CommandLine(commandLine)) {
    file.SetWriteFailureHandler([this](const std::string& report) { reports.push_back(report); });
    if (!text.empty()) ScratchDir::Put(file.IniPath(), text);
  }
  void Put(const std::string& text) const { ScratchDir::Put(file.IniPath(), text); }
  std::string Text() const { return ScratchDir::Get(file.IniPath()); }

  ScratchDir dir;
  SettingsFile file;
  std::vector<std::string> reports;
};

// The Options record, the file names, the dog-eared cards as numbers and the opponent.
inline std::string AllOptions(const Options& o) {
  std::string text = FormatOptionsRecord(o) + " data=" + o.strDataFile + " log=" + o.strLogFile +
                     " back=" + o.strCardBackFile + " patter=" + o.strPatterFile + " win=" + o.strWinSound +
                     " loss=" + o.strLossSound + " marked=";
  for (char c : o.strMarkedCards) text += std::to_string(static_cast<int>(c)) + ",";
  return text + " opponent=" + std::to_string(o.intOpponent);
}

}  // namespace kestrel::testing
