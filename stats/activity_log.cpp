// Appending to the activity log, with its failure behaviour.
#include "stats/activity_log.h"

#include "game/host.h"
#include "settings/options.h"
#include "game/regular_file.h"

namespace kestrel {

bool ActivityLog::LogsGames() const { return options_.intLogLevel >= 1; }
bool ActivityLog::LogsMessages() const { return options_.intLogLevel >= 2; }

bool ActivityLog::AppendLog(const std::string& text) {
  bool ok = false;
  if (!options_.strLogFile.empty()) {
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
