// The statistics report: the match totals as per-role averages, the win
// margins and game lengths of finished games, the initial match seed and the
// session settings, framed under a title with the match score. Shown with
// the log tail by "Show Statistics and Log" and appended to the log by
// "Append Statistics to Log...".
#pragma once

#include <string>

#include "game/game_state.h"
#include "stats/statistics.h"

namespace kestrel {

class ActivityLog;
class Host;

// The whole report, lines ending in CR LF. `sessionSettings` is the
// session settings text, placed before the closing line.
std::string StatisticsReport(const GameState& state, const Statistics& stats, const std::string& playerName,
                             const std::string& sessionSettings);

// The framed title line: " *", the title centred in 66 columns (half the
// spare room rounded to nearest, ties to even), padded to 68, "*".
std::string ReportTitleLine(const std::string& title);

// "#0.00" of points / hands (a hand count of 0 divides as 1), rounded half
// away from zero.
std::string ReportAverage(long points, long hands);

// "Append Statistics to Log...": asks the Yes/No question naming the log
// file, then appends `report` whatever the log level. Returns true when the
// report was written; a failure has shown the log failure box.
bool AppendStatisticsToLog(Host& host, ActivityLog& log, const std::string& logFile, const std::string& report);

}  // namespace kestrel
