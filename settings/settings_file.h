// Where the profile file "Kestrel32.ini" lives and the three access
// primitives the program uses on it. A failed write is reported once per run
// through the handler the program sets (the window shows a message box
// titled "Kestrel"); play goes on and the old file stays as it was.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "game/host.h"
#include "settings/command_line.h"
#include "settings/ini_file.h"

namespace kestrel {

inline constexpr char kIniFileName[] = "Kestrel32.ini";
inline constexpr char kIniVersion[] = "Kestrel (02 Jan 19)";
inline constexpr char kGlobalSection[] = "Global";

class SettingsFile {
 public:
  // programFolder: the folder of the executable (tests: a temporary folder).
  // settingsInProgramFolder: false for an installed program, whose settings
  // live in the per-user configuration folder (see SettingsBesideProgram).
  SettingsFile(std::string programFolder, CommandLine commandLine, bool settingsInProgramFolder = true);

  const CommandLine& Commands() const { return commandLine_; }
  const std::string& ProgramFolder() const { return programFolder_; }

  // The folder of the file: the program's folder, or with "/OLDINIPATH" (and
  // for an installed program) the per-user configuration folder
  // ($XDG_CONFIG_HOME/Kestrel, else ~/.config/Kestrel). Evaluated afresh on
  // every read and write.
  std::string IniFolder() const;
  std::string IniPath() const { return IniFolder() + "/" + kIniFileName; }
  // The log file a player gets when none is set: the player's name and
  // ".log" in the folder of the settings file.
  std::string DefaultLogFile(const std::string& player) const { return IniFolder() + "/" + player + ".log"; }

  // The leading decimal number of the value; 0 when missing or outside the
  // 16-bit range.
  int16_t ReadIniInt(const std::string& section, const std::string& key) const;
  // The value cut at 255 characters; empty when missing.
  std::string ReadIniString(const std::string& section, const std::string& key) const;
  // Writes the key (an empty value stays in the file as an empty value).
  // Returns false on failure; the first failure of the run is reported.
  bool WriteIniString(const std::string& section, const std::string& key, const std::string& value);

  // Between BeginBatch and CommitBatch writes (and reads) work on the text in
  // memory, and CommitBatch replaces the file once: a crash in the middle of
  // saving leaves the old file or the new one, never a mixture. CommitBatch
  // returns false (and reports) when the file could not be replaced.
  void BeginBatch();
  bool CommitBatch();

  // Receives the text of the write-failure message (title "Kestrel",
  // critical icon), at most once per run.
  using ReportFn = std::function<void(const std::string& text)>;
  void SetWriteFailureHandler(ReportFn fn) { report_ = std::move(fn); }
  // The program's way: a critical message box titled "Kestrel" from the host.
  void SetHost(Host* host) {
    report_ = [host](const std::string& text) { host->MessageBox(text, "Kestrel", MessageIcon::Critical); };
  }
  bool WriteFailed() const { return writeFailed_; }

  void SetRenameForTesting(IniFile::RenameFn fn) { rename_ = std::move(fn); }

 private:
  std::string programFolder_;
  CommandLine commandLine_;
  bool inProgramFolder_ = true;
  bool InUserFolder() const { return commandLine_.OldIniPath() || !inProgramFolder_; }
  ReportFn report_;
  IniFile::RenameFn rename_;
  bool writeFailed_ = false;
  bool batching_ = false;
  bool batchReadable_ = true;
  bool batchChanged_ = false;
  std::string batchText_;
  void Report(const std::string& path);
  bool reported_ = false;
};

// The per-user configuration folder used with "/OLDINIPATH".
std::string UserConfigFolder();

// The name of the file the install rules leave beside an installed program.
inline constexpr char kInstalledMarker[] = "kestrel-installed";

// Whether the program keeps its settings in its own folder: true for a build
// tree or a portable copy (a folder the user can write), false for an
// installed program (the install marker beside it, or a folder the user
// cannot write).
bool SettingsBesideProgram(const std::string& programFolder);

}  // namespace kestrel
