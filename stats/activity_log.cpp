// Appending to the activity log, with its failure behaviour.
#include "stats/activity_log.h"

#include <sys/stat.h>

#include "game/host.h"
#include "settings/options.h"
#include "game/regular_file.h"

namespace kestrel {
namespace {

// Creates the folders of a path that are missing (the default log beside a
// settings file whose folder does not exist yet); a failure shows at the open.
void MakeParentFolders(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos || slash == 0) return;
  for (size_t pos = 1; pos <= slash; ++pos)
    if (pos == slash || path[pos] == '/') ::mkdir(path.substr(0, pos).c_str(), 0700);
}

}  // namespace

bool ActivityLog::LogsGames() const { return options_.intLogLevel >= 1; }
bool ActivityLog::LogsMessages() const { return options_.intLogLevel >= 2; }

bool ActivityLog::AppendLog(const std::string& text) {
  bool ok = false;
  if (!options_.strLogFile.empty()) {
    MakeParentFolders(options_.strLogFile);
    ok = AppendToRegularFile(options_.strLogFile, text);
  }
  if (ok) return true;
  const bool switchedOff = options_.intLogLevel != 0;
  if (switchedOff) {
    options_.intLogLevel = 0;
    host_.OptionsChanged();
  }
  std::string message = "Problem writing to log file:\r\r" + options_.strLogFile;
  if (switchedOff) message += "\r\rLogging disabled.";
  host_.MessageBox(message, "Kestrel", MessageIcon::Critical);
  return false;
}

}  // namespace kestrel
