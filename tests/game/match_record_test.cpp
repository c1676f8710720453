// The saved match: quitting at every kind of prompt and starting again
// resumes at the same point; the check value; edited and stale records start
// a fresh match; records that do not fit the cards end the replay safely.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <sstream>

#include "engine/osprey32.h"
#include "game/card_source.h"
#include "game/card_source_deal.h"
#include "game/match_record.h"
#include "settings/profile.h"
#include "stats/log_records.h"
#include "stats/statistics_record.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/scripted_host.h"

namespace kestrel::testing {
namespace {

// Seed 4242, Hints off, penalties without muggins, alternate first deals.
constexpr char kOptions[] = "4242,0,1,1,1,1,0,1,0,1,0,0,0,1,1,0";

void PutIni(const ScratchDir& dir, const std::string& playerKeys) {
  ScratchDir::Put(dir.File("Kestrel32.ini"),
                  std::string("[Global]\nVersion=Kestrel (02 Jan 19)\nPlayers=Ann\n[Ann]\n") + playerKeys);
}

// One run of the program on a folder: the player's settings loaded with the
// saved match, a controller with a scripted user.
struct Session {
  explicit Session(const std::string& dir, const std::string& name = "Ann") : file(dir, CommandLine("")) {
    controller.SetRecorder(&record);
    host.Attach(&controller);
    Load(name);
  }
  void Load(const std::string& name) {
    player = name;
    ResetDefaults(options);
    LoadSettings(file, player, options, record);
    controller.SetPlayerName(player);
  }
  void Save() { SaveSettings(file, player, options, record); }
  // A change of player between matches: the old player's settings and match
  // are saved, the new one's loaded.
  void SwitchTo(const std::string& name) {
    Save();
    Load(name);
  }
  // Plays until `here` says so at a wait, saves there if asked (the
  // program's exit) and leaves the match; returns the position there.
  std::string QuitWhen(const std::function<bool(int code)>& here, bool save = false) {
    std::string where;
    host.onWait = [&](MatchController& c, int code) {
      if (!here(code)) return false;
      where = Position();
      if (save) Save();
      c.NewMatch();
      return true;
    };
    controller.PlayMatch();
    return where;
  }
  // The same at the wait `quitAt` (counted from 0).
  std::string PlayTo(int quitAt, bool save = false) {
    int index = 0;
    return QuitWhen([&](int) { return index++ >= quitAt; }, save);
  }

  // Everything a player sees and the record as it would be written.
  std::string Position() {
    const GameState& g = state;
    const TableModel& m = controller.Model();
    std::ostringstream out;
    out << "wait " << g.intWaitState << " \"" << VisibleMessage(m.message, false) << "\"\n";
    out << "scores " << g.intPlayerScore << "/" << g.intPlayerBackPeg << " " << g.intComputerScore << "/"
        << g.intComputerBackPeg << " match " << g.intGamesPlayed << " " << g.intPlayerMatchPoints << "-"
        << g.intComputerMatchPoints << " " << g.intPointDifferential << " hands " << g.intHandsDealt << "\n";
    if (g.intPlayerScore < 121 && g.intComputerScore < 121) {
      out << "hands " << CardsText(g.strPlayerHand, " ") << "| " << CardsText(g.strComputerHand, " ") << "| "
          << CardsText(g.strStarter, " ") << "played " << CardsText(g.strPlayerPlayed, " ") << "| "
          << CardsText(g.strComputerPlayed, " ") << "count " << g.intCount;
      if (g.intWaitState >= kWaitPegHeels) out << " to peg " << g.intPointsToPeg;
      out << "\n";
      out << "table";
      for (const auto& c : m.loCard) out << " " << (c.visible ? c.code : "-");
      out << " /";
      for (const auto& c : m.hiCard) out << " " << (c.visible ? c.code : "-");
      out << " go " << m.leftGoVisible << m.rightGoVisible << "\n";
    }
    out << "State=" << record.StateText() << "\nStatistics1=" << record.Statistics1Text()
        << "\nStatistics2=" << record.Statistics2Text() << "\n";
    return out.str();
  }

  std::string player;
  SettingsFile file;
  GameState state;
  Options options;
  PatterTable patter;
  Statistics stats;
  ScriptedHost host;
  SimpleDecisions decisions;
  CardSource source{options, [](int32_t s) { return ::RandSeed(s); }};
  CardSourceDeal deal{source, options};
  ActivityLog log{options, host};
  MatchRecord record{state, options, stats, [](int32_t s) { return ::RandSeed(s); },
                     [this](const HandStartSnapshot& at) { return PeekHandCards(source, options, at); }};
  MatchController controller{state, options, host, decisions, deal, patter, stats, log};
};

// What kind of prompt a wait is: the code and, for Continue, the message
// without its numbers.
std::string PromptKind(const Session& s, int code) {
  std::string text = code == kWaitContinue ? VisibleMessage(s.controller.Model().message, false) : "";
  std::string kind = std::to_string(code) + ":";
  for (char c : text)
    if (c < '0' || c > '9') kind += c;
  if (code == kWaitDiscard) kind += s.state.intSelectedCard < 0 ? "first" : "second";
  return kind;
}

TEST(MatchRecord, QuittingAtEveryKindOfPromptResumesThere) {
  // A reference run of the first game and the start of the second: the
  // first two waits of every kind of prompt and every third wait.
  std::vector<int> chosen;
  std::map<std::string, int> seen;
  {
    ScratchDir dir;
    PutIni(dir, std::string("Options=") + kOptions + "\n");
    Session s(dir.Path());
    int index = 0;
    s.host.onWait = [&](MatchController&, int code) {
      if (++seen[PromptKind(s, code)] <= 2 || index % 3 == 0) chosen.push_back(index);
      ++index;
      return false;
    };
    s.host.stopAfterGames = 1;
    s.controller.PlayMatch();
    ASSERT_FALSE(s.host.stuck);
  }
  // Every kind: both discards, a play, pegging a play, a Go, heels (or the
  // zero cut under penalties), the hand and the crib, the computer's
  // announcements, the cut for deal and the game's end.
  for (const char* kind : {"2:first", "2:second", "3:", "5:", "6:", "7:", "8:", "1:I peg  points.", "1:I get a Go.",
                           "1:Low card deals.", "1:Cut the deck.", "1:Turn the cut."})
    EXPECT_TRUE(seen.count(kind)) << kind;
  bool sawGameEnd = false, sawShow = false;
  for (const auto& [kind, n] : seen) {
    sawGameEnd |= kind.find(" win") != std::string::npos;
    sawShow |= kind.find("for my hand") != std::string::npos;
  }
  EXPECT_TRUE(sawGameEnd && sawShow);

  for (int quitAt : chosen) {
    ScratchDir dir;
    PutIni(dir, std::string("Options=") + kOptions + "\n");
    const std::string before = Session(dir.Path()).PlayTo(quitAt, true);
    // Before the first hand nothing is recorded: the match starts again
    // from the same seed and the cut for deal falls the same way.
    const int skip = before.find("State=\n") != std::string::npos ? quitAt : 0;
    EXPECT_EQ(Session(dir.Path()).PlayTo(skip), before) << "quit at wait " << quitAt;
  }
}

TEST(MatchRecord, AChangeOfPlayerContinuesEachPlayersMatch) {
  ScratchDir dir;
  PutIni(dir, std::string("Options=") + kOptions + "\n[Bob]\nOptions=99,1,1,1,1,1,0,0,0,0,0,0,0,1,1,0\n");
  Session s(dir.Path());
  const std::string ann = s.PlayTo(40);  // Ann in the middle of her second hand
  s.SwitchTo("Bob");
  EXPECT_FALSE(s.record.HasPendingRecord());
  EXPECT_NE(s.PlayTo(0).find("Low card deals."), std::string::npos);
  const std::string bob = s.PlayTo(12);  // Bob in his first hand
  s.SwitchTo("Ann");
  ASSERT_TRUE(s.record.HasPendingRecord());
  EXPECT_EQ(s.PlayTo(0), ann);
  s.SwitchTo("Bob");
  EXPECT_EQ(s.PlayTo(0), bob);
}

TEST(MatchRecord, CheckValueOfAFixedRecord) {
  // Header: game 1, 2-0 match points, differential 31, the player deals hand
  // 3 at 17/12 and 20/15; then the computer's and the player's discards and
  // the starter's marker.
  const std::string record = "1,2,0,31,-1,3,17,20,12,15,5,6,1,4,-1";
  const int32_t seed = 13896;
  const int v[] = {1, 2, 0, 31, -1, 3, 17, 20, 12, 15, 5, 6, 1, 4, -1};
  int32_t h = seed;
  for (int i = 0; i < 40; ++i) h = ::RandSeed((i < 15 ? v[i] : 0) ^ h);
  SeededDeal deal(seed);
  for (char card : deal.DrawCards(13)) h = ::RandSeed(static_cast<unsigned char>(card) ^ h);

  ScratchDir dir;
  PutIni(dir, "Options=13896,1,1,1,1,1,0,0,0,0,0,0,0,1,1,0\nState=" + std::to_string(h) + "," + record +
                  "\nStatistics1=77,3,4,5,6,7,8,9,10,4,3,2,1,0,0,0,0,0,1,0,0,0,0,0,0,0,1,0,0,0,0,0,0\n");
  Session s(dir.Path());
  ASSERT_TRUE(s.record.HasPendingRecord());
  // Written back unchanged until the match takes it up.
  EXPECT_EQ(s.record.StateText(), std::to_string(h) + "," + record);
  // The resumed match: no cut; both discards and the starter were replayed,
  // so the first prompt is his heels or, after the computer's lead, the
  // player's first play of hand 3.
  int firstWait = -1;
  s.QuitWhen([&](int code) {
    firstWait = code;
    EXPECT_EQ(s.state.intHandsDealt, 3);
    EXPECT_EQ(s.state.intPlayerScore, 17);
    EXPECT_EQ(s.state.intComputerBackPeg, 15);
    EXPECT_EQ(s.stats.initialSeed, 77);
    EXPECT_EQ(s.stats.playerTotals[1], 3);
    return true;
  });
  EXPECT_TRUE(firstWait == kWaitPlay || firstWait == kWaitPegHeels) << firstWait;
  EXPECT_EQ(s.state.strPlayerHand.size(), 6u);
}

// A real record saved in the middle of pegging, then edited.
TEST(MatchRecord, EditedOrStaleRecordStartsAFreshMatch) {
  ScratchDir dir;
  const std::string cardsA = dir.File("a.bin"), cardsB = dir.File("b.bin");
  auto putBytes = [](const std::string& path, int times, int plus) {
    std::string bytes;
    for (int i = 0; i < 4000; ++i) bytes += static_cast<char>((i * times + plus) & 0xff);
    ScratchDir::Put(path, bytes);
  };
  putBytes(cardsA, 37, 11);
  putBytes(cardsB, 53, 7);
  auto saved = [&](int source) {
    PutIni(dir, "Options=100,0,1,1,1,1,0,1,0,1," + std::to_string(source) + ",0,0,1,1,0\nDataFile=" + cardsA + "\n");
    int plays = 0;  // a few hands into the game
    Session(dir.Path()).QuitWhen([&](int code) { return code == kWaitPlay && ++plays == 12; }, true);
    return ScratchDir::Get(dir.File("Kestrel32.ini"));
  };
  auto replace = [](std::string text, const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
  };
  const std::string seeded = saved(0), fromFile = saved(1);
  const size_t seedAt = seeded.find("Options=") + 8, stateAt = seeded.find("State=") + 6;
  const std::string handSeed = seeded.substr(seedAt, seeded.find(',', seedAt) - seedAt);
  const std::string state = seeded.substr(stateAt, seeded.find('\n', stateAt) - stateAt);
  const std::string check = state.substr(0, state.find(','));
  struct Case {
    const char* name;
    std::string ini;
    bool resumes;
  } cases[] = {
      {"as saved", seeded, true},
      {"as saved, data file", fromFile, true},
      {"check value", replace(seeded, "State=" + check, "State=" + std::to_string(std::stol(check) + 1)), false},
      {"a header number", replace(seeded, "State=" + check + ",0,0,0,0,", "State=" + check + ",0,0,0,1,"), false},
      {"the seed in Options", replace(seeded, "Options=" + handSeed + ",", "Options=" + std::to_string(std::stol(handSeed) + 1) + ","), false},
      {"DataFile", replace(fromFile, "DataFile=" + cardsA, "DataFile=" + cardsB), false},
      {"a non-number", replace(seeded, "State=" + check, "State=x" + check), false},
      {"empty", replace(seeded, "State=" + state, "State="), false},
  };
  for (const Case& c : cases) {
    ScratchDir::Put(dir.File("Kestrel32.ini"), c.ini);
    Session s(dir.Path());
    EXPECT_EQ(s.record.HasPendingRecord(), c.resumes) << c.name;
    int64_t totals = 0;
    const std::string at = s.QuitWhen([&](int) {
      for (int i = 1; i <= 8; ++i) totals += s.stats.playerTotals[i] + s.stats.computerTotals[i];
      return true;
    });
    const std::string message = c.resumes ? "\"Play a card.\"" : "\"Low card deals.\"";
    EXPECT_NE(at.find(message + "\n"), std::string::npos) << c.name << "\n" << at;
    EXPECT_EQ(totals > 0, c.resumes) << c.name;
    // The rest of the player's settings stand.
    EXPECT_FALSE(s.options.blnHints) << c.name;
    EXPECT_EQ(s.options.intPenalty, 1) << c.name;
  }
}

// Records with a matching check value whose decisions do not fit the cards.
TEST(MatchRecord, DecisionsThatDoNotFitEndTheReplayThere) {
  const int32_t seed = 555;
  const std::string cards = SeededDeal(seed).DrawCards(13);
  struct Case {
    const char* name;
    std::vector<int> decisions;
    int firstWait;
  } cases[] = {
      {"computer discard out of range", {7, 9}, kWaitDiscard},
      {"computer discards the same card twice", {2, 2}, kWaitDiscard},
      {"player discard out of range", {5, 6, 1, 12}, kWaitDiscard},
      {"pegging position out of range", {5, 6, 5, 6, -1, 9}, kWaitPlay},
  };
  for (const Case& c : cases) {
    RecordNumbers v{};
    // The computer deals hand 1.
    std::vector<int> numbers = {0, 0, 0, 0, 0, 1, 0, 0, -1, -1};
    numbers.insert(numbers.end(), c.decisions.begin(), c.decisions.end());
    std::string text;
    for (size_t i = 0; i < numbers.size(); ++i) {
      v[i + 1] = numbers[i];
      text += ',';
      text += std::to_string(numbers[i]);
    }
    const int32_t check = StateCheckValue(seed, v, cards, [](int32_t s) { return ::RandSeed(s); });
    ScratchDir dir;
    PutIni(dir, "Options=555,1,1,1,1,1,0,0,0,0,0,0,0,1,1,0\nState=" + std::to_string(check) + text + "\n");
    Session s(dir.Path());
    ASSERT_TRUE(s.record.HasPendingRecord()) << c.name;
    int waits = 0, first = -1;
    s.QuitWhen([&](int code) {
      if (first < 0) first = code;
      return ++waits == 40;  // play on for a while
    });
    EXPECT_FALSE(s.host.stuck) << c.name;
    EXPECT_EQ(first, c.firstWait) << c.name;
    EXPECT_EQ(waits, 40) << c.name;
  }
}

// (The round trip of both records is covered by the resume test above.)
TEST(MatchRecord, StatisticsNumbersThatDoNotFitGiveZero) {
  Statistics st;
  LoadStatisticsTexts("-2147483648,4294967296,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,40000,5", "x,7,-32769", st);
  EXPECT_EQ(st.initialSeed, -2147483648);
  EXPECT_EQ(st.playerTotals[1], 0);
  EXPECT_EQ(st.playerTotals[2], 2);
  EXPECT_EQ(st.computerTotals[8], 16);
  EXPECT_EQ(st.playerTally[1], 0);
  EXPECT_EQ(st.playerTally[2], 5);
  EXPECT_EQ(st.computerTally[8], 0);  // missing
  EXPECT_EQ(st.winMargins[1] + st.winMargins[3], 0);
  EXPECT_EQ(st.winMargins[2], 7);
  const std::string one = Statistics1Text(st), two = Statistics2Text(st);
  EXPECT_EQ(std::count(one.begin(), one.end(), ','), 32);
  EXPECT_EQ(std::count(two.begin(), two.end(), ','), 43);
}

}  // namespace
}  // namespace kestrel::testing
