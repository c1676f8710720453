// The activity log file: appending a record, and what happens when the file
// cannot be written (logging is switched off and the user is told).
#pragma once

#include <string>

namespace kestrel {

class Host;
struct Options;

class ActivityLog {
 public:
  ActivityLog(Options& options, Host& host) : options_(options), host_(host) {}
  // Opens the log file (Options::strLogFile) for appending, writes the text
  // exactly as passed, closes it. Returns false on failure, after switching
  // logging off (when it was on) and showing the failure box.
  bool AppendLog(const std::string& text);
  // The level asks for game records (1 or 2), or also messages (2).
  bool LogsGames() const;
  bool LogsMessages() const;

 private:
  Options& options_;
  Host& host_;
};

}  // namespace kestrel
