// Scoring entry: the player's claims judged under each Scoring Mistakes
// option, the game hole rule, the computer's announcements, a game won at the
// cut; the patter and sounds choices through the controller and its host: the
// remark in the message line, the sound image handed to the audio output at a
// game's end, the menu choices and their messages.
#include <gtest/gtest.h>

#include <algorithm>

#include "game/game_over_sounds.h"
#include "game/patter_choices.h"
#include "patter/patter.h"
#include "patter/patter_file.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/scripted_host.h"
#include "tests/support/sha256.h"

namespace kestrel::testing {
namespace {

class ScoringEntry : public ::testing::Test {
 protected:
  void Scores(int player, int computer) {
    rig.state.intPlayerScore = static_cast<int16_t>(player);
    rig.state.intComputerScore = static_cast<int16_t>(computer);
    rig.state.intPlayerBackPeg = static_cast<int16_t>(player - 1);
    rig.state.intComputerBackPeg = static_cast<int16_t>(computer - 1);
    rig.state.blnPlayerDeals = true;
  }
  // The player pegs to `hole` at the scoring prompt; everything else is
  // answered correctly.
  void PegsTo(int hole) {
    rig.host.onWait = [hole](MatchController& c, int code) {
      if (code < kWaitPegHeels) return false;
      ScriptedHost::PegTo(c, hole);
      return true;
    };
  }
  // The last message shown, with its remark after a CR when asked.
  std::string Last(bool withPatter = false) const { return VisibleMessage(rig.host.messages.back(), withPatter); }
  ControllerRig rig;
  ScratchDir dir;
};

// The player pegs a claim at the scoring prompt. Penalty messages, not the
// friendly corrections, are logged at the messages level.
TEST_F(ScoringEntry, ClaimsUnderEachOption) {
  using M = ScoringMistakes;
  struct Case {
    const char* name;
    M option;
    int player, computer, points, kind, pegTo, playerAfter, computerAfter;
    const char* message;  // with its remark after a CR, if any
  } cases[] = {
      {"missed, friendly", M::Friendly, 10, 50, 12, kScoreHand, 18, 22, 50,
       "You missed 4 -- will be corrected.\rFriendly game.  Yeech."},
      {"missed, penalties", M::Penalties, 10, 50, 12, kScoreHand, 18, 18, 50,
       "You missed 4 -- points are lost.\rAsleep at the wheel!"},
      {"missed, muggins", M::Muggins, 10, 50, 12, kScoreHand, 18, 18, 54,
       "You missed 4 -- points will be taken.\rMuggins!"},
      {"overpegged, friendly", M::Friendly, 30, 40, 6, kScoreCrib, 38, 36, 40,
       "You overpegged by 2 -- will be corrected."},
      {"overpegged, penalties", M::Penalties, 30, 40, 6, kScoreCrib, 38, 36, 42,
       "You overpegged by 2 -- penalty in effect."},
      {"overpegged, muggins", M::Muggins, 30, 40, 6, kScoreCrib, 38, 36, 42,
       "You overpegged by 2 -- penalty in effect."},
      {"moved backwards", M::Penalties, 30, 40, 5, kScoreHand, 12, 30, 40, "You missed 5 -- points are lost."},
      // The start column of the back row reads -1 this early, not 121.
      {"the game hole before halfway", M::Penalties, 20, 30, 4, kScoreHand, 121, 20, 30,
       "You missed 4 -- points are lost."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    rig.state = GameState{};
    rig.stats = Statistics{};
    rig.options.intPenalty = static_cast<int16_t>(c.option);
    rig.options.strLogFile = dir.File(std::string(c.name) + ".log");
    rig.options.intLogLevel = 2;
    Scores(c.player, c.computer);
    PegsTo(c.pegTo);
    ASSERT_TRUE(rig.controller->PromptPlayerScore(c.points, c.kind));
    EXPECT_EQ(rig.state.intPlayerScore, c.playerAfter);
    EXPECT_EQ(rig.state.intComputerScore, c.computerAfter);
    const std::string message = c.message;
    EXPECT_EQ(Last(message.find('\r') != std::string::npos), message);
    if (c.playerAfter > c.player) {
      EXPECT_EQ(rig.state.intPlayerBackPeg, c.player);
    }
    if (c.playerAfter < c.player + c.points) {  // points missed
      EXPECT_EQ(rig.stats.playerTally[kTallyMissedOrReceived], c.playerAfter - c.player - c.points);
      EXPECT_EQ(rig.stats.computerTally[kTallyMissedOrReceived], c.computerAfter - c.computer);
    }
    const std::string firstLine = message.substr(0, message.find('\r'));
    const std::string logged = " " + firstLine + "\r\n";
    const std::string log = ScratchDir::Exists(rig.options.strLogFile) ? ScratchDir::Get(rig.options.strLogFile) : "";
    EXPECT_EQ(log, c.option == M::Friendly ? "" : logged);
  }
}

TEST_F(ScoringEntry, TheGameHoleCountsForAnyTotalBeyondIt) {
  rig.options.intPenalty = static_cast<int16_t>(ScoringMistakes::Muggins);
  Scores(117, 80);
  PegsTo(121);
  EXPECT_FALSE(rig.controller->PromptPlayerScore(8, kScoreHand));  // the game is over
  EXPECT_EQ(rig.state.intPlayerScore, 121);
  EXPECT_EQ(rig.state.intComputerScore, 80);
  EXPECT_EQ(Last(), "You win by a skunk (3 match points).");
  EXPECT_EQ(rig.state.intGamesPlayed, 1);
  EXPECT_NE(rig.state.intWaitState, 0);
}

TEST_F(ScoringEntry, ZeroPointPlaysArePromptedOnlyUnderPenalties) {
  Scores(20, 30);
  rig.state.strPegSequence = Cards("5s Kd");
  rig.options.intPenalty = static_cast<int16_t>(ScoringMistakes::Friendly);
  ASSERT_TRUE(rig.controller->PromptPlayerScore(0, kScorePlay));
  rig.options.intPenalty = static_cast<int16_t>(ScoringMistakes::Penalties);
  rig.state.strPegSequence = Cards("5s");
  ASSERT_TRUE(rig.controller->PromptPlayerScore(0, kScorePlay));  // a lead never scores
  EXPECT_TRUE(rig.host.waits.empty());
  rig.state.strPegSequence = Cards("5s Kd");
  PegsTo(20);
  ASSERT_TRUE(rig.controller->PromptPlayerScore(0, kScorePlay));
  EXPECT_EQ(rig.host.waits, (std::vector<int>{kWaitPegPlay}));
  EXPECT_EQ(Last(), "Score your play.");
  EXPECT_EQ(rig.state.intPlayerScore, 20);
}

TEST_F(ScoringEntry, ComputerAnnouncementsAndTheirPatter) {
  Scores(10, 10);
  ASSERT_TRUE(rig.controller->AnnounceComputerScore(12, kScorePlay));
  EXPECT_EQ(Last(true), "I peg 12 points.\rTop that!");
  ASSERT_TRUE(rig.controller->AnnounceComputerScore(6, kScorePlay));
  EXPECT_EQ(Last(true), "I peg 6 points.\rGotcha!");
  const size_t shown = rig.host.messages.size();
  ASSERT_TRUE(rig.controller->AnnounceComputerScore(0, kScorePlay));  // no message, no pause
  EXPECT_EQ(rig.host.messages.size(), shown);
  ASSERT_TRUE(rig.controller->AnnounceComputerScore(0, kScoreCrib));
  EXPECT_EQ(Last(true), "... 0 for the crib.\rWhere's a little help when you need it?");
  rig.state.blnPlayerDeals = false;
  ASSERT_TRUE(rig.controller->AnnounceComputerScore(8, kScoreHand));
  EXPECT_EQ(Last(true), "I get 8 for my hand and ...");
  EXPECT_EQ(rig.state.intComputerScore, 10 + 12 + 6 + 8);
  EXPECT_EQ(rig.state.intComputerBackPeg, 10 + 12 + 6);
}

TEST_F(ScoringEntry, GameOverMessagesAndPatter) {
  rig.options.intWeights = 2;  // 2-3-3
  Scores(60, 119);
  EXPECT_FALSE(rig.controller->AddComputerPoints(6, kScoreHand));
  EXPECT_EQ(rig.state.intComputerScore, 121);
  EXPECT_EQ(Last(true), "I win by a double skunk (3 match points).\rLike takin' candy from a baby!");
  EXPECT_EQ(rig.state.intComputerMatchPoints, 3);
  EXPECT_EQ(rig.state.intPointDifferential, 60 - 121);
  EXPECT_EQ(rig.stats.winMargins[13 + 13], 1);
  rig.options.intWeights = 0;
  Scores(119, 90);
  EXPECT_FALSE(rig.controller->AddPlayerPoints(2, kScorePlay, 0));
  EXPECT_EQ(Last(true), "You win by a skunk (3 match points).\rChange the deck!");
  EXPECT_EQ(rig.stats.winMargins[7], 1);
  EXPECT_EQ(rig.controller->Model().caption,
            "Kestrel  -  Games: 2   Match Score:  3/3   Point Differential:  -30");
}

// A game won at the cut ends the hand at once (the fixed match log shows
// games won in pegging and in the show).
class GameWon : public ScoringEntry {};

TEST_F(GameWon, AtTheCut) {
  Scores(100, 119);
  rig.state.blnPlayerDeals = false;
  rig.deal.Queue(DealOf("Ks Qs Ts 9s Ah 2h", "5c 5d 5h 4c 3d 4d", "Jd"));
  EXPECT_TRUE(rig.controller->PlayGame());
  EXPECT_EQ(rig.state.intGamesPlayed, 1);
  EXPECT_EQ(rig.state.intComputerScore, 121);
  EXPECT_EQ(std::count(rig.host.waits.begin(), rig.host.waits.end(), kWaitPlay), 0);
  EXPECT_EQ(VisibleMessage(rig.host.messages[rig.host.messages.size() - 2], true),
            "I get 2 for the jack.\rCouple extra never hurts.");
  EXPECT_FALSE(rig.state.blnPlayerDeals);  // the dealer is not passed on
}

class PatterAndSounds : public ScoringEntry {
 protected:
  // The message line as the model holds it: message, CR, remark.
  std::string Shown() const {
    const TableModel& m = rig.controller->Model();
    return m.message + "\r" + m.patterText;
  }
  void Show(const std::string& message, int slot) {
    TableModel& m = rig.controller->Model();
    m.message = message;
    m.patterText = rig.patter.Text(slot);
    m.patterSlot = slot;
  }
  std::string PatterFile(const std::string& name, const std::string& lines) {
    const std::string path = dir.File(name);
    ScratchDir::Put(path, std::string(kPatterFileHeader) + "\r\n" + lines);
    return path;
  }
  PatterChoices choices{rig.options, rig.patter, rig.host, [this] { rig.controller->RefreshPatterLine(); }};
  GameOverSounds& sounds = rig.controller->Sounds();
};

TEST_F(PatterAndSounds, ComputerPegsWithDefaultAndCustomRemarks) {
  // With patter hidden a custom file switches to custom and the remark on
  // show changes at once.
  rig.options.intPatter = 0;
  Show("I peg 6 points.", 32);
  rig.host.openAnswer = PatterFile("mine.txt", "redpeg6_11 = Take that & that!\r\n");
  ASSERT_TRUE(choices.ChooseCustom());
  EXPECT_EQ(rig.options.intPatter, 2);
  EXPECT_EQ(rig.options.strPatterFile, rig.host.openAnswer);
  EXPECT_EQ(Shown(), "I peg 6 points.\rTake that & that!");
  Scores(10, 10);
  ASSERT_TRUE(rig.controller->AnnounceComputerScore(12, kScorePlay));
  EXPECT_EQ(Last(true), "I peg 12 points.\rTop that!");

  // Default patter restores the texts, also the one on show; Hide keeps them.
  Show("I peg 6 points.", 32);
  EXPECT_TRUE(choices.UseDefault());
  EXPECT_FALSE(choices.UseDefault());
  EXPECT_EQ(Shown(), "I peg 6 points.\rGotcha!");
  EXPECT_TRUE(choices.Hide());
  EXPECT_FALSE(choices.Hide());
  EXPECT_EQ(rig.patter.Text(32), "Gotcha!");
  EXPECT_TRUE(rig.host.boxes.empty());
}

TEST_F(PatterAndSounds, BadPatterFilesKeepOrFallBack) {
  const std::string good = PatterFile("good.txt", "About=Mine.\r\n");
  rig.options.intPatter = 2;
  rig.options.strPatterFile = good;
  rig.host.openAnswer = dir.File("notes.txt");
  ScratchDir::Put(rig.host.openAnswer, "Shopping list\r\nAbout=x\r\n");
  ASSERT_TRUE(LoadPatterFile(good, rig.patter));
  EXPECT_FALSE(choices.ChooseCustom());
  ASSERT_EQ(rig.host.boxes.size(), 1u);
  EXPECT_EQ(rig.host.boxes[0], "Wrong file type or problem reading file:\r\r" + rig.host.openAnswer +
                                   "\r\rSave patter template, edit text file with, e.g.,\r"
                                   "DOS Edit or Windows NotePad, then load.");
  EXPECT_EQ(rig.options.strPatterFile, good);
  EXPECT_EQ(rig.patter.Text(3), "Mine.");
  rig.host.openAnswer.clear();  // cancel
  EXPECT_FALSE(choices.ChooseCustom());
  EXPECT_EQ(rig.host.dialogs.back(), "Load Custom Patter Text");

  // At a restore the stored file loads again; once it is gone, default
  // patter without a word. An impossible stored value becomes default.
  EXPECT_TRUE(choices.RestorePatter());
  EXPECT_EQ(rig.patter.Text(3), "Mine.");
  ScratchDir::Put(good, "gone bad\r\n");
  EXPECT_FALSE(choices.RestorePatter());
  EXPECT_EQ(rig.patter.Text(3), "Quit stalling and play.");
  EXPECT_EQ(rig.options.intPatter, 1);
  EXPECT_EQ(rig.options.strPatterFile, "");
  rig.options.intPatter = 5;
  EXPECT_TRUE(choices.RestorePatter());
  EXPECT_EQ(rig.options.intPatter, 1);
  EXPECT_EQ(rig.host.boxes.size(), 1u);

  // A template that cannot be written.
  rig.host.saveAnswer = dir.File("no/such/folder/patter.txt");
  choices.SaveTemplate();
  EXPECT_EQ(rig.host.boxes.back(), "Problem writing to file:\r\r" + rig.host.saveAnswer);
  EXPECT_EQ(rig.host.dialogs.back(), "Save Patter Template As");
}

TEST_F(PatterAndSounds, GameEndsPlayTheOutcomesSound) {
  struct Case {
    int sounds;
    bool computerWins;
    const char* sha;  // of the image handed to the audio output; "" none
  } cases[] = {
      {1, true, "6d598cca82791ed2a7fe7dd0b520026d1fc2f7311a1fa083606882e9eefafd7d"},
      {1, false, "95d88ddb6c8c7bda5435c0d17bd33793c759bccc399d721b803226b9635b3e12"},
      {0, true, ""},
      {2, true, ""},  // custom without files: silent
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.sounds * 10 + c.computerWins);
    rig.host.waves.clear();
    rig.options.intSounds = static_cast<int16_t>(c.sounds);
    if (c.computerWins) {
      Scores(100, 119);
      EXPECT_FALSE(rig.controller->AddComputerPoints(2, kScoreHand));
    } else {
      Scores(119, 100);
      EXPECT_FALSE(rig.controller->AddPlayerPoints(2, kScoreHand, 0));
    }
    if (*c.sha) {
      ASSERT_EQ(rig.host.waves.size(), 1u);
      EXPECT_EQ(Sha256Hex(rig.host.waves[0]), c.sha);
    } else {
      EXPECT_TRUE(rig.host.waves.empty());
    }
  }
  EXPECT_TRUE(rig.host.boxes.empty());
}

TEST_F(PatterAndSounds, SoundChoicesAndTheirMessages) {
  // A real sound file is played once and taken. (Disable and the refusal of a
  // file that is no sound show in the window's menu test.)
  rig.options.intSounds = 2;
  const MelodyImage tune;
  const std::string wav = dir.File("tune.wav");
  ScratchDir::Put(wav, std::string(tune.Image().begin(), tune.Image().end()));
  rig.host.openAnswer = wav;
  EXPECT_TRUE(sounds.ChooseSoundFile(false));
  EXPECT_EQ(rig.options.strLossSound, wav);
  EXPECT_EQ(rig.host.waves.back(), tune.Image());

  // Without a sound output the test play says so; at a game end nothing is said.
  rig.host.soundOutput = false;
  EXPECT_FALSE(sounds.ChooseSoundFile(true));
  ASSERT_EQ(rig.host.boxes.size(), 1u);
  EXPECT_EQ(rig.host.boxes[0], "The sound player is currently busy or\ryour system may not support sound.");
  const size_t boxes = rig.host.boxes.size();
  rig.options.strWinSound = rig.host.openAnswer;
  sounds.PlayGameOver(true);
  rig.options.strWinSound = dir.File("missing.wav");
  rig.host.soundOutput = true;
  sounds.PlayGameOver(true);
  EXPECT_EQ(rig.host.boxes.size(), boxes);
  rig.options.intSounds = 9;
  sounds.ApplySounds();
  EXPECT_EQ(rig.options.intSounds, 1);
}

}  // namespace
}  // namespace kestrel::testing
