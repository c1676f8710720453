// The patter and sounds choices through the match controller and its host:
// the remark in the message line, the sound image handed to the audio
// output at a game's end, and the menu choices with their messages.
#include <gtest/gtest.h>

#include "game/game_over_sounds.h"
#include "game/patter_choices.h"
#include "patter/patter_file.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/scripted_host.h"
#include "tests/support/sha256.h"

namespace kestrel::testing {
namespace {

class PatterAndSounds : public ::testing::Test {
 protected:
  void Scores(int player, int computer) {
    rig.state.intPlayerScore = static_cast<int16_t>(player);
    rig.state.intComputerScore = static_cast<int16_t>(computer);
    rig.state.intPlayerBackPeg = static_cast<int16_t>(player - 1);
    rig.state.intComputerBackPeg = static_cast<int16_t>(computer - 1);
  }
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
  ControllerRig rig;
  ScratchDir dir;
  PatterChoices choices{rig.options, rig.patter, rig.host, [this] { rig.controller->RefreshPatterLine(); }};
  GameOverSounds& sounds = rig.controller->Sounds();
};

TEST_F(PatterAndSounds, ComputerPegsWithDefaultAndCustomRemarks) {
  Scores(10, 10);
  ASSERT_TRUE(rig.controller->AnnounceComputerScore(12, kScorePlay));
  EXPECT_EQ(VisibleMessage(rig.host.messages.back(), true), "I peg 12 points.\rTop that!");
  ASSERT_TRUE(rig.controller->AnnounceComputerScore(6, kScorePlay));
  EXPECT_EQ(VisibleMessage(rig.host.messages.back(), true), "I peg 6 points.\rGotcha!");

  // With patter hidden a custom file switches to custom and the remark on
  // show changes at once.
  rig.options.intPatter = 0;
  Show("I peg 6 points.", 32);
  rig.host.openAnswer = PatterFile("mine.txt", "redpeg6_11 = Take that & that!\r\n");
  ASSERT_TRUE(choices.ChooseCustom());
  EXPECT_EQ(rig.options.intPatter, 2);
  EXPECT_EQ(rig.options.strPatterFile, rig.host.openAnswer);
  EXPECT_EQ(Shown(), "I peg 6 points.\rTake that & that!");
  ASSERT_TRUE(rig.controller->AnnounceComputerScore(12, kScorePlay));
  EXPECT_EQ(VisibleMessage(rig.host.messages.back(), true), "I peg 12 points.\rTop that!");

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
  // Disable silences the melody that is playing.
  sounds.PlayMelody(kComputerWinsMelody);
  ASSERT_TRUE(rig.host.playing);
  EXPECT_TRUE(sounds.ChooseSounds(0));
  EXPECT_FALSE(rig.host.playing);
  EXPECT_FALSE(sounds.ChooseSounds(0));
  EXPECT_TRUE(sounds.ChooseSounds(2));

  // A text file chosen as win sound is refused and the old one stays; a
  // real sound file is played once and taken.
  rig.options.strWinSound = "/old/win.wav";
  rig.host.openAnswer = dir.File("readme.txt");
  ScratchDir::Put(rig.host.openAnswer, "This is not a sound.\r\n");
  EXPECT_FALSE(sounds.ChooseSoundFile(true));
  ASSERT_EQ(rig.host.boxes.size(), 1u);
  EXPECT_EQ(rig.host.boxes[0], "Wrong file type or problem playing sound:\r\r" + rig.host.openAnswer);
  EXPECT_EQ(rig.host.dialogs.back(), "Select File to Play When Computer Wins");
  EXPECT_EQ(rig.options.strWinSound, "/old/win.wav");
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
  EXPECT_EQ(rig.host.boxes.back(), "The sound player is currently busy or\ryour system may not support sound.");
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
