// The scripted user and the controller rig for tests.
#include "tests/support/scripted_host.h"

#include "game/table_places.h"

namespace kestrel::testing {

void ScriptedHost::PegTo(MatchController& c, int total) {
  if (total == c.State().intPlayerScore)
    c.DropOnGreenPeg();
  else
    c.DropBackPeg(total);
}

void ScriptedHost::AnswerCorrectly(MatchController& c, int waitState) {
  const GameState& s = c.State();
  switch (waitState) {
    case kWaitContinue: c.PressContinue(); break;
    case kWaitDiscard: {
      const int want = s.intSelectedCard == s.intHintCard1 ? s.intHintCard2 : s.intHintCard1;
      c.ClickLowerPlace(PlaceOfHandCard(c.Model(), s, want));
      break;
    }
    case kWaitPlay: c.ClickLowerPlace(PlaceOfHandCard(c.Model(), s, s.intHintCard1)); break;
    case kWaitPegHeels:
    case kWaitPegPlay:
    case kWaitPegGo:
    case kWaitPegHand:
    case kWaitPegCrib: PegTo(c, s.intPlayerScore + s.intPointsToPeg); break;
    default: break;
  }
}

void ScriptedHost::Redraw(const TableModel& model, unsigned parts) {
  if ((parts & kPartMessage) && model.waitState > 0 && model.waitState != lastWait_) {
    waits.push_back(model.waitState);
    MessageLine line(model.message);
    line.patter = model.patterText;
    line.patterSlot = model.patterSlot;
    messages.push_back(line);
  }
  if ((parts & kPartButton) && model.waitState != lastWait_) {
    lastWait_ = model.waitState;
    pumpsThisWait_ = 0;
  }
}

void ScriptedHost::PumpEvents(bool) {
  if (!controller_) return;
  MatchController& c = *controller_;
  const int code = c.State().intWaitState;
  if (++pumpsThisWait_ > 10000) {
    stuck = true;
    c.NewMatch();
    return;
  }
  if (stopAfterGames >= 0 && c.State().intGamesPlayed >= stopAfterGames && code != kWaitContinue) {
    c.NewMatch();
    return;
  }
  if (onWait && onWait(c, code)) return;
  AnswerCorrectly(c, code);
}

bool ScriptedHost::MessageBox(const std::string& text, const std::string&, MessageIcon) {
  boxes.push_back(text);
  return true;
}

ControllerRig::ControllerRig(int32_t seed, bool engineDecisions) : deal(seed) {
  if (engineDecisions)
    decisions = std::make_unique<LinkedEngineDecisions>();
  else
    decisions = std::make_unique<SimpleDecisions>();
  options.intFirstDealer = static_cast<int16_t>(FirstDealer::Alternate);
  controller = std::make_unique<MatchController>(state, options, host, *decisions, deal, patter, stats, log);
  host.Attach(controller.get());
  controller->SetPlayerName("Tester");
}

int ControllerRig::PlayGames(int games) {
  host.stopAfterGames = games;
  controller->PlayMatch();
  return state.intGamesPlayed;
}

}  // namespace kestrel::testing
