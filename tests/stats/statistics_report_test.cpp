// The statistics report against checked-in expected texts, appending it to
// the log, the log tail, and the tallies and game-end buckets behind it.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "game/host.h"
#include "settings/options.h"
#include "settings/session_settings.h"
#include "stats/activity_log.h"
#include "stats/log_tail.h"
#include "stats/statistics.h"
#include "stats/statistics_report.h"
#include "tests/support/scratch_dir.h"

namespace kestrel::testing {
namespace {

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
  const struct {
    const char* fixture;
    std::string player;
    int16_t games, playerPoints, computerPoints;
    int32_t differential;
    int16_t playerScore, computerScore;  // a game in progress below 121
    int scale;
    int32_t seed;
    bool locked;
  } cases[] = {
      // A short name, a negative differential, an odd title (53) whose half
      // spare room 6.5 goes down to 6, a game in progress.
      {"report_short_name.txt", "Bob", 7, 10, 12, -37, 64, 88, 1, 13896, true},
      // Exactly eight letters, differential 0, an odd title (51) whose 7.5
      // goes up to 8, the last game just won.
      {"report_eight_letters.txt", "Lancelot", 12, 4, 9, 0, 121, 97, 2, -5, false},
  };
  for (const auto& c : cases) {
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
      ASSERT_TRUE(ParseOptionsRecord("0,1,1,1,1,0,0,2,0,0,1,1,0,1,1,0", options));  // penalty, card source, log
      options.strLogFile = "/home/bob/Bob.log";
      options.strDataFile = "/home/bob/cards.bin";
    } else {
      ASSERT_TRUE(ParseOptionsRecord("0,1,1,1,1,1,3,0,0,0,0,0,2,2,2,2", options));  // weights, looks, sounds
      options.strWinSound = "/tmp/tada.wav";
      options.strPatterFile = "/tmp/patter.txt";
      options.strCardBackFile = "/tmp/back.bmp";
      state.intUseAltLibrary = 2;
      state.blnAllowMultipleInstances = true;
      state.blnAllowCtrlF10 = true;
    }
    Statistics stats = FilledTables(c.scale);
    stats.initialSeed = c.seed;
    const std::string report =
        StatisticsReport(state, stats, c.player, SessionSettingsText(options, state, c.locked));
    EXPECT_EQ(report, Fixture(c.fixture));
  }
}

// Nothing played yet: zero rows without dividing by zero, "+0", the seed
// and the settings.
TEST(StatisticsReport, ZeroStatisticsForMoonBeam) {
  Options options;
  options.lngSeedOrPointer = 13896;
  GameState state;
  Statistics stats;
  stats.initialSeed = 13896;
  const std::string report = StatisticsReport(state, stats, "MoonBeam", SessionSettingsText(options, state, false));
  EXPECT_EQ(report, Fixture("report_zero_moonbeam.txt"));
}

// A host that answers the question and records the boxes it was shown.
class AnsweringHost : public NullHost {
 public:
  explicit AnsweringHost(bool yes) : yes_(yes) {}
  bool MessageBox(const std::string& text, const std::string&, MessageIcon icon) override {
    boxes.push_back(text);
    icons.push_back(icon);
    return icon == MessageIcon::Question ? yes_ : true;
  }
  void OptionsChanged() override { ++changes; }
  std::vector<std::string> boxes;
  std::vector<MessageIcon> icons;
  int changes = 0;

 private:
  bool yes_;
};

// The one-shot append goes through the activity log, so its failures are the log's.
TEST(AppendStatistics, AsksThenAppendsWhateverTheLevel) {
  ScratchDir dir;
  const struct { bool yes; int16_t level; const char* file; bool written; } cases[] = {
      {true, 0, "a.log", true}, {false, 2, "b.log", false}, {true, 1, "new/folder/c.log", true},
      {true, 0, "plain/a.log", false}, {true, 2, "plain/b.log", false},
  };
  ScratchDir::Put(dir.File("plain"), "");  // a file where the log folder would be
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    Options options;
    options.intLogLevel = c.level;
    options.strLogFile = dir.File(c.file);
    AnsweringHost host(c.yes);
    ActivityLog log(options, host);
    EXPECT_EQ(AppendStatisticsToLog(host, log, options.strLogFile, "REPORT\r\n"), c.written);
    ASSERT_GE(host.boxes.size(), 1u);
    EXPECT_EQ(host.icons[0], MessageIcon::Question);
    EXPECT_EQ(host.boxes[0].rfind("Append statistics to " + options.strLogFile + "?\r\r", 0), 0u);
    EXPECT_EQ(ScratchDir::Exists(options.strLogFile) ? ScratchDir::Get(options.strLogFile) : "none",
              c.written ? "REPORT\r\n" : "none");
    const bool failed = c.yes && !c.written;
    // A failure switches logging off and says so, with "Logging disabled."
    // only when logging was on.
    EXPECT_EQ(host.changes, failed && c.level != 0 ? 1 : 0);
    ASSERT_EQ(host.boxes.size(), failed ? 2u : 1u);
    if (!failed) continue;
    EXPECT_EQ(host.boxes[1], "Problem writing to log file:\r\r" + options.strLogFile +
                                 (c.level != 0 ? "\r\rLogging disabled." : ""));
    EXPECT_EQ(host.icons[1], MessageIcon::Critical);
    EXPECT_EQ(options.intLogLevel, 0);
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
  const std::string big = LogOfGames(20 * 1024), small = LogOfGames(5 * 1024), tail = " Tail of log file:\r\n";
  const std::string last = big.substr(big.size() - 8192);
  const size_t header = last.find("\r\n Game ");
  ASSERT_NE(header, std::string::npos);
  EXPECT_GT(header, 0u);  // the raw tail begins inside a game
  // A folder where the log should be cannot be read as a file, not even by root.
  std::filesystem::create_directory(dir.File("folder.log"));
  const struct {
    const char* file;  // "": no log file chosen
    std::optional<std::string> text;  // none: not written
    std::string shown;
  } cases[] = {
      {"big.log", big, tail + last.substr(header)},
      {"small.log", small, tail + small},
      {"plain.log", std::string(8192, 'x'), tail + std::string(8192, 'x')},  // the limit, no header: whole
      {"empty.log", "", tail},
      {"none.log", std::nullopt, " No log file to display.\r\n"},
      {"", std::nullopt, " No log file to display.\r\n"},
      {"folder.log", std::nullopt, " Problem reading " + dir.File("folder.log") + ".\r\n"},
  };
  for (const auto& c : cases) {
    const std::string path = *c.file ? dir.File(c.file) : "";
    if (c.text) ScratchDir::Put(path, *c.text);
    EXPECT_EQ(LogTail(path), c.shown) << c.file;
  }
}

TEST(Statistics, GameEndBuckets) {
  const struct {
    bool computerWon;
    int16_t loserScore;
    int marginIndex;
    int hands, handsIndex;
  } cases[] = {
      {false, 90, 7, 5, 1},     // won by 31: the "-35" column; 5 hands or fewer
      {true, 120, 14, 13, 18},  // the computer by 1: its "1-5" column; 13 hands or more
      {false, 61, 12, 6, 2},    // 56-60
      {false, 60, 13, 12, 8},   // 61 or more
      {true, 0, 26, 40, 18},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.loserScore) + (c.computerWon ? " computer won" : " player won"));
    EXPECT_EQ(WinMarginIndex(c.computerWon, c.loserScore), c.marginIndex);
    EXPECT_EQ(HandsPerGameIndex(c.computerWon, c.hands), c.handsIndex);
    Statistics stats;
    RecordGameEnd(stats, c.computerWon, c.loserScore, c.hands);
    EXPECT_EQ(stats.winMargins[c.marginIndex], 1);
    EXPECT_EQ(stats.handsPerGame[c.handsIndex], 1);
    ResetStatistics(stats);
    EXPECT_EQ(stats.winMargins[c.marginIndex], 0);
  }
}

TEST(Statistics, TalliesByCategoryAndRole) {
  Statistics s;
  StartHandTallies(s, true);
  EXPECT_EQ(s.playerTally[kTallyDealt], 1);
  EXPECT_EQ(s.computerTally[kTallyPone], 1);
  TallyPoints(s, true, true, 2, kScoreHeels, 0);
  TallyPoints(s, true, true, 3, kScorePlay, 0);
  TallyPoints(s, true, true, 1, kScoreGo, 0);
  TallyPoints(s, true, true, 8, kScoreHand, -4);
  TallyPoints(s, true, true, 5, kScoreCrib, 0);
  TallyPoints(s, true, false, 4, kScorePenalty, 0);
  TallyPoints(s, true, false, 2, kScorePlay, 0);
  TallyPoints(s, true, false, 12, kScoreHand, 0);
  EXPECT_EQ(s.playerTally[kTallyPegAsDealer], 6);
  EXPECT_EQ(s.playerTally[kTallyHandAsDealer], 8);
  EXPECT_EQ(s.playerTally[kTallyCrib], 5);
  EXPECT_EQ(s.playerTally[kTallyMissedOrReceived], -4);
  EXPECT_EQ(s.computerTally[kTallyPegAsPone], 2);
  EXPECT_EQ(s.computerTally[kTallyHandAsPone], 12);
  EXPECT_EQ(s.computerTally[kTallyMissedOrReceived], 4);
  CommitHandTallies(s);
  CommitHandTallies(s);
  EXPECT_EQ(s.playerTotals[kTallyDealt], 2);
  EXPECT_EQ(s.computerTotals[kTallyHandAsPone], 24);
}

}  // namespace
}  // namespace kestrel::testing
