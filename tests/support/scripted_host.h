// A host with a scripted user for controller tests: it answers every wait as
// a person would (press Continue, click a card's place, drop the back peg on
// a hole), by default with the correct answer, or as a test tells it. It
// records the messages shown and the message boxes.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "game/host.h"
#include "game/match_controller.h"
#include "game/table_model.h"
#include "patter/patter.h"
#include "settings/options.h"
#include "stats/activity_log.h"
#include "stats/statistics.h"
#include "tests/support/linked_engine.h"

namespace kestrel::testing {

class ScriptedHost : public NullHost {
 public:
  void Attach(MatchController* controller) { controller_ = controller; }

  // Called at every pump while a wait is pending; return true when it acted
  // (or chose not to), false to let the default user answer.
  std::function<bool(MatchController&, int waitState)> onWait;
  // At the first wait (other than a Continue) after this many games are
  // finished, New Match: the last game's end is acknowledged first.
  int stopAfterGames = -1;

  // The default user: the correct answer to any wait.
  static void AnswerCorrectly(MatchController& c, int waitState);
  // Drops the back peg so that it claims `total` (the hole of that score).
  static void PegTo(MatchController& c, int total);

  void Redraw(const TableModel& model, unsigned parts) override;
  void PumpEvents(bool mayBlock) override;
  bool MessageBox(const std::string& text, const std::string& title, MessageIcon icon) override;
  // The audio output: records each image handed to it and each stop; a
  // sound "plays" when `soundOutput` is on and the image is not empty.
  bool PlayWave(const std::vector<uint8_t>& image) override {
    ++sounds;
    waves.push_back(image);
    playing = soundOutput && !image.empty();
    return playing;
  }
  bool StopSound() override {
    ++stops;
    playing = false;
    return soundOutput;
  }

  // The file dialogs answer with these (empty: cancel) and record their titles.
  std::string OpenFileDialog(const std::string& title, const std::string&, const std::string&, const std::string&,
                             bool) override {
    dialogs.push_back(title);
    return openAnswer;
  }
  std::string SaveFileDialog(const std::string& title, const std::string&, const std::string&,
                             const std::string&) override {
    dialogs.push_back(title);
    return saveAnswer;
  }
  std::string openAnswer, saveAnswer;
  std::vector<std::string> dialogs;

  std::vector<MessageLine> messages;  // each message line shown by a wait, as set
  std::vector<std::string> boxes;     // message box texts
  std::vector<int> waits;             // each wait code as it began
  int sounds = 0;
  std::vector<std::vector<uint8_t>> waves;
  int stops = 0;
  bool soundOutput = true;
  bool playing = false;
  bool stuck = false;                 // a wait was not answered after many pumps

 private:
  MatchController* controller_ = nullptr;
  int lastWait_ = 0;
  int pumpsThisWait_ = 0;
};

// Everything a controller needs, wired together for a test or a benchmark.
struct ControllerRig {
  explicit ControllerRig(int32_t seed = 1, bool engineDecisions = false);
  GameState state;
  Options options;
  PatterTable patter;
  Statistics stats;
  ScriptedHost host;
  std::unique_ptr<Decisions> decisions;
  ScriptedDeal deal;
  ActivityLog log{options, host};
  std::unique_ptr<MatchController> controller;
  // Plays one match until `games` games are finished; returns the games played.
  int PlayGames(int games);
};

}  // namespace kestrel::testing
