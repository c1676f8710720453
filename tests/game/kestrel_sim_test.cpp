// The headless runner end to end: it reads the player's options from
// Kestrel32.ini in its folder, logs there at the stored level, writes the
// report at the last game's end, and a fixed seed gives the same log every
// time (date and time aside).
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "settings/options.h"
#include "tests/support/scratch_dir.h"

namespace kestrel::testing {
namespace {

// Runs `sim` on the folder with the arguments; returns its exit status and
// keeps what it printed.
int RunSim(const std::string& sim, const ScratchDir& dir, const std::string& arguments, std::string& output) {
  const std::string command = sim + " --dir " + dir.Path() + " " + arguments + " 2>&1";
  output.clear();
  std::FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return -1;
  char buffer[512];
  while (std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
  return ::pclose(pipe);
}

// Three games for Ann from seed 13896; returns the log without the date and
// time of each game header (everything after the seed).
std::string ThreeGames(const ScratchDir& dir, std::string& output) {
  Options o;
  o.lngSeedOrPointer = 13896;
  o.intLogLevel = 1;
  o.intFirstDealer = static_cast<int16_t>(FirstDealer::Alternate);
  ScratchDir::Put(dir.File("Kestrel32.ini"), "[Global]\r\nVersion=Kestrel (02 Jan 19)\r\nPlayers=Ann\r\n[Ann]\r\nOptions=" +
                                                 FormatOptionsRecord(o) + "\r\n");
  const int status = RunSim(std::string(KESTREL_BIN_DIR) + "/kestrel-sim", dir,
                         "--games 3 --report " + dir.File("report.txt"), output);
  EXPECT_EQ(status, 0) << output;
  std::string log = ScratchDir::Exists(dir.File("Ann.log")) ? ScratchDir::Get(dir.File("Ann.log")) : "";
  const std::string key = "  Seed: ";
  for (size_t at = log.find(key); at != std::string::npos; at = log.find(key, at + 1)) {
    size_t end = at + key.size();
    if (end < log.size() && log[end] == '-') ++end;
    while (end < log.size() && log[end] >= '0' && log[end] <= '9') ++end;
    const size_t lineEnd = log.find('\r', end);
    if (lineEnd != std::string::npos) log.erase(end, lineEnd - end);
  }
  return log;
}

TEST(KestrelSim, AFixedSeedGivesTheSameLogAndReportEveryRun) {
  ScratchDir a, b;
  std::string outA, outB;
  const std::string logA = ThreeGames(a, outA);
  ASSERT_FALSE(logA.empty()) << outA;
  EXPECT_EQ(ThreeGames(b, outB), logA);
  EXPECT_NE(logA.find(" Seed/Pointer for match with Ann: 13896  Cut(s): "), std::string::npos);
  EXPECT_NE(outA.find("game 3: Ann "), std::string::npos) << outA;
  EXPECT_NE(outA.find("games 3  Ann won "), std::string::npos) << outA;
  // The settings go back with the card source moved on.
  const std::string ini = ScratchDir::Get(a.File("Kestrel32.ini"));
  EXPECT_EQ(ini.find("Options=13896,"), std::string::npos);
  EXPECT_NE(ini.find("LogFile="), std::string::npos);
  // The report of the three finished games: no game in progress, and each
  // Total row of both game-end tables sums to 3.
  ASSERT_TRUE(ScratchDir::Exists(a.File("report.txt"))) << outA;
  const std::string report = ScratchDir::Get(a.File("report.txt"));
  EXPECT_NE(report.find("Games: 3  Match Score: "), std::string::npos);
  EXPECT_EQ(report.find("game in progress"), std::string::npos);
  EXPECT_NE(report.find(" Initial match seed (or file pointer, if applicable): 13896\r\n"), std::string::npos);
  for (const char* head : {"\r\n Total:    ", "\r\n Total:       "}) {
    const size_t at = report.find(head);
    ASSERT_NE(at, std::string::npos);
    const std::string row = report.substr(at, report.find('\r', at + 2) - at);
    EXPECT_EQ(row.substr(row.size() - 5), "    3") << row;
  }
}

TEST(KestrelSim, RefusesBadArgumentsAndAMissingEngine) {
  const std::string sim = std::string(KESTREL_BIN_DIR) + "/kestrel-sim";
  ScratchDir dir;
  std::string output;
  for (const char* bad : {"--games 0", "--bogus", "--report /nonexistent/folder/r.txt"})
    EXPECT_NE(RunSim(sim, dir, bad, output), 0) << bad;
  EXPECT_FALSE(ScratchDir::Exists(dir.File("Kestrel32.ini")));  // nothing was played
  // A copy of the runner in a folder without the engine library.
  const std::string copy = dir.File("kestrel-sim");
  ScratchDir::Put(copy, ScratchDir::Get(sim));
  ::chmod(copy.c_str(), 0755);
  const int status = RunSim(copy, dir, "--games 1", output);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
  EXPECT_NE(output.find("The engine library cannot be used:"), std::string::npos) << output;
  EXPECT_NE(output.find(dir.File("libOsprey32.so")), std::string::npos) << output;
  EXPECT_EQ(output.find("game 1:"), std::string::npos) << output;
}

}  // namespace
}  // namespace kestrel::testing
