// Game-over sounds: the built-in melody or the player's sound file when a
// game ends, the "Game Over Sounds" menu choices with their test play and
// messages, and the apply step the restore sequence runs.
#pragma once

#include <string>

#include "patter/sounds.h"

namespace kestrel {

class Host;
struct Options;

class GameOverSounds {
 public:
  GameOverSounds(Options& options, Host& host) : options_(options), host_(host) {}

  // At a game's end: the melody or file of the outcome under intSounds;
  // nothing is ever shown.
  void PlayGameOver(bool computerWon);
  // Synthesizes a melody into the sound image and starts it.
  void PlayMelody(const Bytes& melody);
  // Starts a sound file and returns whether it really plays; with
  // `showErrors` a failure is explained in a message box.
  bool PlaySoundFile(const std::string& path, bool showErrors);
  // Silences whatever plays; false when there is no sound output.
  bool StopSound();

  // The apply step: an out-of-range value becomes 1 (default sounds);
  // 0 silences whatever plays.
  void ApplySounds();
  // "Disable Sounds" (0), "Default Sounds" (1), "Custom Sounds (below)" (2):
  // true when the setting changed (the caller logs it).
  bool ChooseSounds(int value);
  // "When Computer Wins..." / "When Computer Loses...": the chosen file is
  // played once as a test and kept only if it plays. True when it changed.
  bool ChooseSoundFile(bool computerWins);

  const Bytes& Image() const { return melody_.Image(); }

 private:
  Options& options_;
  Host& host_;
  MelodyImage melody_;
};

}  // namespace kestrel
