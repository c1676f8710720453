// Game-over sounds: melodies, sound files, the menu choices.
#include "game/game_over_sounds.h"

#include <fstream>

#include "game/host.h"
#include "settings/options.h"

namespace kestrel {

namespace {

// A sound file larger than this is not taken for a game-over sound.
constexpr std::streamoff kMaxSoundFileBytes = 64 << 20;

bool ReadSoundFile(const std::string& path, Bytes& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  if (size <= 0 || size > kMaxSoundFileBytes) return false;
  in.seekg(0);
  bytes.resize(static_cast<size_t>(size));
  in.read(reinterpret_cast<char*>(bytes.data()), size);
  return static_cast<bool>(in);
}

}  // namespace

void GameOverSounds::PlayGameOver(bool computerWon) {
  if (options_.intSounds == 1) {
    PlayMelody(computerWon ? kComputerWinsMelody : kComputerLosesMelody);
  } else if (options_.intSounds == 2) {
    const std::string& file = computerWon ? options_.strWinSound : options_.strLossSound;
    if (!file.empty()) PlaySoundFile(file, false);
  }
}

void GameOverSounds::PlayMelody(const Bytes& melody) { host_.PlayWave(melody_.Synthesize(melody)); }

bool GameOverSounds::StopSound() { return host_.StopSound(); }

bool GameOverSounds::PlaySoundFile(const std::string& path, bool showErrors) {
  if (!StopSound()) {
    if (showErrors)
      host_.MessageBox("The sound player is currently busy or\ryour system may not support sound.", "Kestrel",
                       MessageIcon::Exclamation);
    return false;
  }
  Bytes image;
  const bool playing = ReadSoundFile(path, image) && ParseWave(image) && host_.PlayWave(image);
  if (!playing && showErrors)
    host_.MessageBox("Wrong file type or problem playing sound:\r\r" + path, "Kestrel", MessageIcon::Exclamation);
  return playing;
}

void GameOverSounds::ApplySounds() {
  if (options_.intSounds < 0 || options_.intSounds > 2) options_.intSounds = 1;
  if (options_.intSounds == 0) StopSound();
}

bool GameOverSounds::ChooseSounds(int value) {
  if (options_.intSounds == value) return false;
  options_.intSounds = static_cast<int16_t>(value);
  ApplySounds();
  return true;
}

bool GameOverSounds::ChooseSoundFile(bool computerWins) {
  std::string& setting = computerWins ? options_.strWinSound : options_.strLossSound;
  const std::string path = host_.OpenFileDialog(
      computerWins ? "Select File to Play When Computer Wins" : "Select File to Play When Computer Loses",
      "Sound files (*.wav) All files (*.*)", "wav", setting, true);
  if (path.empty() || !PlaySoundFile(path, true)) return false;
  setting = path;
  return true;
}

}  // namespace kestrel
