// The statistics report against checked-in expected texts, the session
// settings lines, the log tail, and appending the report to the log.
#include <gtest/gtest.h>

#include <filesystem>

#include "game/host.h"
#include "settings/options.h"
#include "settings/session_settings.h"
#include "stats/activity_log.h"
#include "stats/log_tail.h"
#include "stats/statistics_report.h"
#include "tests/support/scratch_dir.h"

namespace kestrel {
namespace {

using testing::ScratchDir;

// The fixtures are kept with LF line ends; the report's are CR LF (a bare CR
// or LF in the report makes the comparison fail).
std::string Fixture(const std::string& name) {
  std::string text = ScratchDir::Get(std::string(KESTREL_SOURCE_DIR) + "/tests/stats/fixtures/" + name);
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

// Tables with every column non-zero; `scale` makes the two fixtures differ.
Statistics FilledTables(int scale) {
  Statistics s;
  // Player: 65 pegged in 8 dealt hands is 8.125, which shows as 8.13.
  s.playerTotals = {0, 8 * scale, 9, 191, 94, 181, 65 * scale, 83, -17 * scale};
  s.computerTotals = {0, 9, 8 * scale, 203, 121, 170, 88, 71, 9 * scale};
  for (int i = 1; i <= 26; ++i) s.winMargins[i] = static_cast<int16_t>((i * 7 + scale) % 11 + 1);
  for (int i = 1; i <= 18; ++i) s.handsPerGame[i] = static_cast<int16_t>((i * 5 + scale) % 7 + 1);
  s.winMargins[13] = static_cast<int16_t>(100 * scale);  // a count that widens its column
  return s;
}

TEST(StatisticsReport, MatchesFixtures) {
  struct Case {
    const char* fixture;
    std::string player;
    int16_t games, playerPoints, computerPoints;
    int32_t differential;
    int16_t playerScore, computerScore;  // a game in progress below 121
    int scale;
    int32_t seed;
    bool locked;
  };
  const Case cases[] = {
      // A short name, a negative differential, an odd title (53) whose half
      // spare room 6.5 goes down to 6, a game in progress.
      {"report_short_name.txt", "Bob", 7, 10, 12, -37, 64, 88, 1, 13896, true},
      // Exactly eight letters, differential 0, an odd title (51) whose 7.5
      // goes up to 8, the last game just won.
      {"report_eight_letters.txt", "Lancelot", 12, 4, 9, 0, 121, 97, 2, -5, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fixture);
    GameState state;
    state.intGamesPlayed = c.games;
    state.intPlayerMatchPoints = c.playerPoints;
    state.intComputerMatchPoints = c.computerPoints;
    state.intPointDifferential = c.differential;
    state.intPlayerScore = c.playerScore;
    state.intComputerScore = c.computerScore;
    Options options;
    if (c.locked) {
      options.intLogLevel = 1;
      options.strLogFile = "/home/bob/Bob.log";
      options.intPenalty = 2;
      options.intCardSource = 1;
      options.strDataFile = "/home/bob/cards.bin";
      options.blnSort = false;
    } else {
      state.intUseAltLibrary = 2;
      state.blnAllowMultipleInstances = true;
      state.blnAllowCtrlF10 = true;
      options.intSounds = 2;
      options.strWinSound = "/tmp/tada.wav";
      options.intPatter = 2;
      options.strPatterFile = "/tmp/patter.txt";
      options.intDeckStyle = 2;
      options.strCardBackFile = "/tmp/back.bmp";
      options.intWeights = 3;
      options.intBackgroundIndex = 2;
    }
    Statistics stats = FilledTables(c.scale);
    stats.initialSeed = c.seed;
    const std::string report =
        StatisticsReport(state, stats, c.player, SessionSettingsText(options, state, c.locked));
    EXPECT_EQ(report, Fixture(c.fixture));
  }
}

TEST(StatisticsReport, ZeroStatisticsForMoonBeam) {
  Options options;
  options.lngSeedOrPointer = 13896;
  GameState state;
  Statistics stats;
  stats.initialSeed = 13896;
  const std::string report = StatisticsReport(state, stats, "MoonBeam", SessionSettingsText(options, state, false));
  const std::string head =
      " ********************************************************************\r\n"
      " *        Games: 0  Match Score: 0/0  Point Differential: +0        *\r\n"
      " ********************************************************************\r\n";
  EXPECT_EQ(report.substr(0, head.size()), head);
  EXPECT_NE(report.find("\r\n MoonBeam:    0    0   0.00  0.00  0.00   0.00  0.00      0 missed\r\n"),
            std::string::npos);
  EXPECT_NE(report.find("\r\n Computer:    0    0   0.00  0.00  0.00   0.00  0.00      0 taken\r\n"),
            std::string::npos);
  EXPECT_NE(report.find(" Also included are any completed hands from game in progress.\r\n"), std::string::npos);
  EXPECT_NE(report.find(" Initial match seed (or file pointer, if applicable): 13896\r\n"
                        " Current session settings follow.\r\n\r\n Hints (Mouse Icon): On\r\n"),
            std::string::npos);
}

// A host that answers the question and records the boxes it was shown.
class AnsweringHost : public NullHost {
 public:
  explicit AnsweringHost(bool yes) : yes_(yes) {}
  bool MessageBox(const std::string& text, const std::string& title, MessageIcon icon) override {
    boxes.push_back(text);
    titles.push_back(title);
    icons.push_back(icon);
    return icon == MessageIcon::Question ? yes_ : true;
  }
  std::vector<std::string> boxes, titles;
  std::vector<MessageIcon> icons;

 private:
  bool yes_;
};

TEST(AppendStatistics, AsksThenAppendsWhateverTheLevel) {
  ScratchDir dir;
  const struct { bool yes; int16_t level; const char* file; bool written; } cases[] = {
      {true, 0, "a.log", true}, {false, 2, "b.log", false},
      {true, 0, "plain/a.log", false}, {true, 2, "plain/b.log", false},
  };
  ScratchDir::Put(dir.File("plain"), "");  // a file where the log folder would be
  for (const auto& c : cases) {
    Options options;
    options.intLogLevel = c.level;
    options.strLogFile = dir.File(c.file);
    AnsweringHost host(c.yes);
    ActivityLog log(options, host);
    EXPECT_EQ(AppendStatisticsToLog(host, log, options.strLogFile, "REPORT\r\n"), c.written) << c.file;
    ASSERT_GE(host.boxes.size(), 1u);
    EXPECT_EQ(host.icons[0], MessageIcon::Question);
    EXPECT_EQ(host.titles[0], "Kestrel");
    EXPECT_EQ(host.boxes[0], "Append statistics to " + options.strLogFile +
                                 "?\r\rLog file name may be changed under Options/Activity\r"
                                 "Log/Log File Name.  This is a one-shot save.  Other\r"
                                 "logging (if enabled) takes place automatically.");
    EXPECT_EQ(ScratchDir::Exists(options.strLogFile), c.written);
    if (c.yes && !c.written) {
      // The log failure box, with "Logging disabled." only when logging was on.
      ASSERT_EQ(host.boxes.size(), 2u);
      EXPECT_EQ(host.boxes[1], "Problem writing to log file:\r\r" + options.strLogFile +
                                   (c.level != 0 ? "\r\rLogging disabled." : ""));
      EXPECT_EQ(options.intLogLevel, 0);
    }
  }
}

// Game records of a log: each game header is CR LF " Game n:" then lines.
std::string LogOfGames(size_t bytes) {
  std::string log = "\r\n Seed/Pointer for match with Bob: 13896  Cut(s): 7sKc \r\n\r\n";
  for (int game = 0; log.size() < bytes; ++game) {
    log += " Game " + std::to_string(game) + ": 0/0 (+0)  Seed: 1  today\r\n\r\n";
    for (int hand = 1; hand <= 9; ++hand) log += std::string(70, 'a' + hand) + "\r\n";
    log += "\r\n";
  }
  return log.substr(0, bytes);
}

TEST(LogTail, ShowsTheTailFromAGameHeader) {
  ScratchDir dir;
  const std::string big = LogOfGames(20 * 1024);
  ScratchDir::Put(dir.File("big.log"), big);
  const std::string tail = LogTail(dir.File("big.log"));
  const std::string last = big.substr(big.size() - 8192);
  const size_t header = last.find("\r\n Game ");
  ASSERT_NE(header, std::string::npos);
  EXPECT_GT(header, 0u);  // the raw tail begins inside a game
  EXPECT_EQ(tail, " Tail of log file:\r\n" + last.substr(header));

  const std::string small = LogOfGames(5 * 1024);
  ScratchDir::Put(dir.File("small.log"), small);
  EXPECT_EQ(LogTail(dir.File("small.log")), " Tail of log file:\r\n" + small);

  // Exactly the limit without a header: shown whole.
  ScratchDir::Put(dir.File("plain.log"), std::string(8192, 'x'));
  EXPECT_EQ(LogTail(dir.File("plain.log")), " Tail of log file:\r\n" + std::string(8192, 'x'));
  ScratchDir::Put(dir.File("empty.log"), "");
  EXPECT_EQ(LogTail(dir.File("empty.log")), " Tail of log file:\r\n");
}

TEST(LogTail, MissingAndUnreadableFiles) {
  ScratchDir dir;
  EXPECT_EQ(LogTail(dir.File("none.log")), " No log file to display.\r\n");
  EXPECT_EQ(LogTail(""), " No log file to display.\r\n");
  // A folder where the log should be cannot be read as a file, not even by root.
  std::filesystem::create_directory(dir.File("folder.log"));
  EXPECT_EQ(LogTail(dir.File("folder.log")), " Problem reading " + dir.File("folder.log") + ".\r\n");
}

}  // namespace
}  // namespace kestrel
