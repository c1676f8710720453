// A real window wired to a real match controller for the GUI tests: the
// engine library loaded through the program's own bridge, a seeded deal,
// message boxes and sounds answered by the rig, and users that play by
// keyboard alone or by mouse alone.
#pragma once

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "game/engine_bridge.h"
#include "game/match_controller.h"
#include "game/table_places.h"
#include "patter/patter.h"
#include "settings/options.h"
#include "stats/activity_log.h"
#include "stats/statistics.h"
#include "tests/support/linked_engine.h"
#include "ui/frm_kestrel.h"

namespace kestrel::testing {

inline void EnsureApplication() {
  static int argc = 1;
  static char name[] = "ui_tests";
  static char* argv[] = {name, nullptr};
  if (!QApplication::instance()) new QApplication(argc, argv);
}

struct WindowRig {
  explicit WindowRig(int32_t seed = 7) : deal(seed) {
    EnsureApplication();
    window = std::make_unique<FrmKestrel>(state, options);
    log = std::make_unique<ActivityLog>(options, *window);
    controller = std::make_unique<MatchController>(state, options, *window, decisions, deal, patter, stats, *log);
    window->SetController(controller.get());
    window->onMessageBox = [this](const std::string& text, const std::string&, MessageIcon) {
      boxes.push_back(text);
      return true;
    };
    window->onPlayWave = [](const std::vector<uint8_t>&) { return true; };
    window->onStopSound = [] { return true; };
    window->onWaitPass = [this](int code) {
      if (++passes > 200000) {
        stuck = true;
        window->NewMatch();
        return;
      }
      if (waits.empty() || code != waits.back() || controller->Model().message != messages.back()) {
        waits.push_back(code);
        messages.push_back(controller->Model().message);
      }
      // The user acts as input does: through an event the wait dispatches.
      if (user) QTimer::singleShot(0, window.get(), [this] {
        if (user) user(state.intWaitState);
      });
    };
    window->show();
  }

  const TableModel& Model() const { return controller->Model(); }
  // The claim the back peg stands for (121 reads -1 before 61).
  int Claim() const {
    const int c = Model().playerClaim;
    return (c == 121 && state.intPlayerScore < 61) ? -1 : c;
  }
  // The place of the card the hint suggests (the second one once the first is
  // selected for the crib).
  int HintedPlace(int code) const {
    const bool second = code == kWaitDiscard && state.intSelectedCard == state.intHintCard1;
    return PlaceOfHandCard(Model(), state, second ? state.intHintCard2 : state.intHintCard1);
  }
  bool MessageSeen(const std::string& part) const {
    return std::any_of(messages.begin(), messages.end(), [&](const auto& m) { return m.find(part) != m.npos; });
  }

  // --- The keyboard user: arrows, Enter and F10 only ---
  void KeyboardAnswer(int code) {
    FrmKestrel* w = window.get();
    if (code == kWaitContinue) {
      QTest::keyClick(w, (++continues % 2) ? Qt::Key_Return : Qt::Key_F10);
    } else if (code == kWaitDiscard || code == kWaitPlay) {
      const int place = HintedPlace(code);
      for (int guard = 0; guard < 12 && state.intCursorCard != place; ++guard) QTest::keyClick(w, Qt::Key_Right);
      QTest::keyClick(w, Qt::Key_Return);
    } else if (code >= kWaitPegHeels && code <= kWaitPegCrib) {
      const int target = std::min(state.intPlayerScore + state.intPointsToPeg, 121);
      if (state.intPointsToPeg > 0)
        for (int guard = 0; guard < 40 && Claim() != target; ++guard) QTest::keyClick(w, Qt::Key_Up);
      QTest::keyClick(w, Qt::Key_Return);
    }
  }

  // --- The mouse user: clicks on cards and the button, drags of the peg ---
  void ClickPlace(int place) {
    QTest::mouseClick(window->imgLoCard[place], Qt::LeftButton, {}, QPoint(18, 24));
  }
  // Drags the back peg and drops it with its corner at a board point.
  void DragBackPegTo(QPoint point) {
    PegDragBoard* board = window->picBoard;
    const QPoint grip = board->PegPosition(PegElement::Green0) + QPoint(3, 3);
    QTest::mousePress(board, Qt::LeftButton, {}, grip);
    QTest::mouseMove(board, point);
    QTest::mouseRelease(board, Qt::LeftButton, {}, point);
  }
  static QPoint HoleOf(int score) {
    const PegPlace place = PegPlaceForScore(PegSide::Player, score);
    return QPoint(place.left, place.top);
  }
  void MouseAnswer(int code) {
    if (code == kWaitContinue) {
      if (Model().deckClickable && Model().loCard[8].visible && Model().loCard[8].code == EmptyBackCode())
        ClickPlace(8);  // the cut for deal: the pack in place 8
      else if (Model().deckClickable)
        QTest::mouseClick(Model().leftBack.visible ? window->imgLeftBack : window->imgRightBack,
                          Qt::LeftButton, {}, QPoint(18, 24));  // the dealer's pack
      else QTest::mouseClick(window->picButton, Qt::LeftButton, {}, window->picButton->rect().center());
    } else if (code == kWaitDiscard || code == kWaitPlay) {
      ClickPlace(HintedPlace(code));
    } else if (code >= kWaitPegHeels && code <= kWaitPegCrib) {
      DragBackPegTo(HoleOf(std::min(state.intPlayerScore + state.intPointsToPeg, 121)));
    }
  }

  // Plays until `games` games are finished, then starts a new match (which
  // ends PlayMatch). Returns the games played.
  int PlayGames(int games) {
    auto inner = user;
    user = [this, inner, games](int code) {
      if (state.intGamesPlayed >= games) {
        window->mnuFileNewMatch->trigger();
        return;
      }
      if (inner) inner(code);
    };
    controller->PlayMatch();
    user = inner;
    return state.intGamesPlayed;
  }

  GameState state;
  Options options;
  PatterTable patter;
  Statistics stats;
  EngineBridge decisions{KESTREL_BIN_DIR};
  SeededDeal deal;
  std::unique_ptr<FrmKestrel> window;
  std::unique_ptr<ActivityLog> log;
  std::unique_ptr<MatchController> controller;
  std::function<void(int)> user;
  std::vector<std::string> boxes;
  std::vector<std::string> messages;
  std::vector<int> waits;
  int passes = 0;
  int continues = 0;
  bool stuck = false;
};

}  // namespace kestrel::testing
