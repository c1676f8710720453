// The statistics report text and appending it to the log.
#include "stats/statistics_report.h"

#include <cstdio>
#include <cstdlib>

#include "game/host.h"
#include "stats/activity_log.h"
#include "stats/log_records.h"

namespace kestrel {

namespace {

const char kCrLf[] = "\r\n";
const std::string kStars = " " + std::string(68, '*');

std::string Right(long value, size_t width) { return PadLeft(std::to_string(value), width); }

// A blank, then the label padded on the right to `width`.
std::string RowHead(const std::string& label, size_t width) {
  std::string head(" ");
  head += PadRight(label, width);
  return head;
}

// One side's row of the first table from its match totals.
std::string TotalsRow(const std::string& name, const std::array<int32_t, 9>& t, const char* penaltyWord) {
  const long deal = t[kTallyDealt], pone = t[kTallyPone];
  std::string row = RowHead(name + ":", 9);
  row += Right(deal, 5);
  row += Right(pone, 5);
  const struct { const char* gap; int32_t points; long hands; } averages[] = {
      {"  ", t[kTallyHandAsDealer], deal}, {" ", t[kTallyCrib], deal},       {" ", t[kTallyHandAsPone], pone},
      {"  ", t[kTallyPegAsDealer], deal},  {" ", t[kTallyPegAsPone], pone},
  };
  for (const auto& a : averages) {
    row += a.gap;
    row += PadLeft(ReportAverage(a.points, a.hands), 5);
  }
  row += "  ";
  row += Right(std::labs(static_cast<long>(t[kTallyMissedOrReceived])), 5);
  row += " ";
  row += penaltyWord;
  return row + kCrLf;
}

// A row of counts (`count` buckets from `first`) followed by their sum.
template <size_t N>
std::string CountsRow(const std::string& head, const std::array<int16_t, N>& table, size_t first, size_t count) {
  std::string row = head;
  long sum = 0;
  for (size_t i = 0; i < count; ++i) {
    row += Right(table[first + i], 4);
    sum += table[first + i];
  }
  return row + Right(sum, 5) + kCrLf;
}

// Both sides added bucket by bucket, and the sum.
template <size_t N>
std::string TotalRow(const std::string& head, const std::array<int16_t, N>& table, size_t count) {
  std::string row = head;
  long sum = 0;
  for (size_t i = 1; i <= count; ++i) {
    const long both = static_cast<long>(table[i]) + table[i + count];
    row += Right(both, 4);
    sum += both;
  }
  return row + Right(sum, 5) + kCrLf;
}

}  // namespace

std::string ReportAverage(long points, long hands) {
  if (hands == 0) hands = 1;
  const long long num = 100LL * points;
  const long long den = hands;
  const long long absNum = num < 0 ? -num : num, absDen = den < 0 ? -den : den;
  const long long cents = (2 * absNum + absDen) / (2 * absDen);
  const bool negative = (num < 0) != (den < 0) && cents != 0;
  char text[32];
  std::snprintf(text, sizeof text, "%s%lld.%02lld", negative ? "-" : "", cents / 100, cents % 100);
  return text;
}

std::string ReportTitleLine(const std::string& title) {
  // Half the spare room, rounded to nearest with ties to even.
  const long spare = 66 - static_cast<long>(title.size());
  long blanks = spare / 2;
  if (spare % 2 != 0 && blanks % 2 != 0) ++blanks;  // x.5 goes to the even neighbour
  return PadRight(" *" + std::string(blanks > 0 ? static_cast<size_t>(blanks) : 0, ' ') + title, 68) + "*";
}

std::string StatisticsReport(const GameState& state, const Statistics& stats, const std::string& playerName,
                             const std::string& sessionSettings) {
  const std::string title = "Games: " + std::to_string(state.intGamesPlayed) +
                            "  Match Score: " + std::to_string(state.intPlayerMatchPoints) + "/" +
                            std::to_string(state.intComputerMatchPoints) +
                            "  Point Differential: " + SignedNumber(state.intPointDifferential);
  std::string r = kStars + kCrLf + ReportTitleLine(title) + kCrLf + kStars + kCrLf;
  r += std::string(" First table excludes final (usually skewed and/or incomplete) hand") + kCrLf;
  r += std::string(" of each game and includes any points for jack cuts in peg averages.") + kCrLf;
  if (state.intPlayerScore < 121 && state.intComputerScore < 121)
    r += std::string(" Also included are any completed hands from game in progress.") + kCrLf;
  r += kCrLf;
  r += std::string("             Hands       Hand Averages   Peg Averages Penalty") + kCrLf;
  r += std::string("           Deal Pone   Deal  Crib  Pone   Deal  Pone  Points") + kCrLf;
  r += std::string("           ---- ----   ----  ----  ----   ----  ----   ----") + kCrLf;
  r += TotalsRow(playerName, stats.playerTotals, "missed");
  r += TotalsRow("Computer", stats.computerTotals, "taken");

  r += kCrLf;
  r += std::string(" Win Margin 1-5 -10 -15 -20 -25 -30 -35 -40 -45 -50 -55 -60  61+ Sum") + kCrLf;
  r += std::string("            --- --- --- --- --- --- --- --- --- --- --- --- ---  ---") + kCrLf;
  r += CountsRow(RowHead(playerName + ":", 10), stats.winMargins, 1, 13);
  r += CountsRow(" Computer: ", stats.winMargins, 14, 13);
  r += TotalRow(" Total:    ", stats.winMargins, 13);

  r += kCrLf;
  r += std::string(" Hands/Game    1-5   6   7   8   9  10  11  12  13+ Sum") + kCrLf;
  r += std::string("               --- --- --- --- --- --- --- --- ---  ---") + kCrLf;
  r += CountsRow(RowHead(playerName + " Won:", 13), stats.handsPerGame, 1, 9);
  r += CountsRow(" Computer Won:", stats.handsPerGame, 10, 9);
  r += TotalRow(" Total:       ", stats.handsPerGame, 9);

  r += kCrLf;
  r += " Initial match seed (or file pointer, if applicable): " + std::to_string(stats.initialSeed) + kCrLf;
  r += sessionSettings;
  r += kStars + kCrLf;
  return r;
}

bool AppendStatisticsToLog(Host& host, ActivityLog& log, const std::string& logFile, const std::string& report) {
  const std::string question = "Append statistics to " + logFile +
                               "?\r\rLog file name may be changed under Options/Activity\r"
                               "Log/Log File Name.  This is a one-shot save.  Other\r"
                               "logging (if enabled) takes place automatically.";
  if (!host.MessageBox(question, "Kestrel", MessageIcon::Question)) return false;
  return log.AppendLog(report);
}

}  // namespace kestrel
