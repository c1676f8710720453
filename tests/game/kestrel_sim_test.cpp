// The headless runner end to end: it reads the player's options from
// Kestrel32.ini in its folder, logs there at the stored level, and a fixed
// seed gives the same log every time (date and time aside).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "settings/options.h"
#include "tests/support/scratch_dir.h"

namespace kestrel::testing {
namespace {

std::string Sim() { return std::string(KESTREL_BIN_DIR) + "/kestrel-sim"; }

// The game headers without their date and time (everything after the seed).
std::string WithoutDateTime(std::string log) {
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

std::string RunSim(const ScratchDir& dir, int games, std::string& output, const std::string& extra = "") {
  Options o;
  o.lngSeedOrPointer = 13896;
  o.intLogLevel = 1;
  o.intFirstDealer = static_cast<int16_t>(FirstDealer::Alternate);
  ScratchDir::Put(dir.File("Kestrel32.ini"), "[Global]\r\nVersion=Kestrel (02 Jan 19)\r\nPlayers=Ann\r\n[Ann]\r\nOptions=" +
                                                 FormatOptionsRecord(o) + "\r\n");
  const std::string command = Sim() + " --dir " + dir.Path() + " --games " + std::to_string(games) + extra + " 2>&1";
  output.clear();
  if (std::FILE* pipe = ::popen(command.c_str(), "r")) {
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
    ::pclose(pipe);
  }
  const std::string log = ScratchDir::Exists(dir.File("Ann.log")) ? ScratchDir::Get(dir.File("Ann.log")) : "";
  return WithoutDateTime(log);
}

TEST(KestrelSim, AFixedSeedGivesTheSameLogEveryRun) {
  if (!ScratchDir::Exists(Sim())) GTEST_SKIP() << "kestrel-sim not built";
  ScratchDir a, b;
  std::string outA, outB;
  const std::string logA = RunSim(a, 3, outA);
  const std::string logB = RunSim(b, 3, outB);
  ASSERT_FALSE(logA.empty()) << outA;
  EXPECT_EQ(logA, logB);
  EXPECT_NE(logA.find(" Seed/Pointer for match with Ann: 13896  Cut(s): "), std::string::npos);
  EXPECT_NE(outA.find("game 3: Ann "), std::string::npos) << outA;
  EXPECT_NE(outA.find("games 3  Ann won "), std::string::npos) << outA;
  // The settings go back with the card source moved on.
  const std::string ini = ScratchDir::Get(a.File("Kestrel32.ini"));
  EXPECT_EQ(ini.find("Options=13896,"), std::string::npos);
  EXPECT_NE(ini.find("LogFile="), std::string::npos);
}

TEST(KestrelSim, WritesTheReportAtTheLastGamesEnd) {
  if (!ScratchDir::Exists(Sim())) GTEST_SKIP() << "kestrel-sim not built";
  ScratchDir dir;
  std::string output;
  RunSim(dir, 3, output, " --report " + dir.File("report.txt"));
  ASSERT_TRUE(ScratchDir::Exists(dir.File("report.txt"))) << output;
  const std::string report = ScratchDir::Get(dir.File("report.txt"));
  EXPECT_EQ(report.rfind(" ********************************************************************\r\n *", 0), 0u);
  EXPECT_NE(report.find("Games: 3  Match Score: "), std::string::npos);
  // The last game is over: no game in progress.
  EXPECT_EQ(report.find("game in progress"), std::string::npos);
  EXPECT_NE(report.find("\r\n Ann:     "), std::string::npos);
  EXPECT_NE(report.find(" Initial match seed (or file pointer, if applicable): 13896\r\n"), std::string::npos);
  // Three finished games in both game-end tables: each Total row sums to 3.
  for (const char* head : {"\r\n Total:    ", "\r\n Total:       "}) {
    const size_t at = report.find(head);
    ASSERT_NE(at, std::string::npos);
    const std::string row = report.substr(at, report.find('\r', at + 2) - at);
    EXPECT_EQ(row.substr(row.size() - 5), "    3") << row;
  }
}

TEST(KestrelSim, RefusesBadArguments) {
  if (!ScratchDir::Exists(Sim())) GTEST_SKIP() << "kestrel-sim not built";
  EXPECT_NE(std::system((Sim() + " --games 0 >/dev/null 2>&1").c_str()), 0);
  EXPECT_NE(std::system((Sim() + " --dir /tmp --bogus >/dev/null 2>&1").c_str()), 0);
  // A report that cannot be written is refused before any game is played.
  EXPECT_NE(std::system((Sim() + " --dir /tmp --report /nonexistent/folder/r.txt >/dev/null 2>&1").c_str()), 0);
}

}  // namespace
}  // namespace kestrel::testing
