// The hint cursors of pegging by hand and of the card choice, and marking
// cards in the deck view of the dog-ear deck.
#include <gtest/gtest.h>

#include <QGuiApplication>

#include "game/card_marks.h"
#include "ui/icon_art.h"
#include "tests/ui/window_rig.h"

namespace kestrel::testing {
namespace {

bool IsCursor(const QCursor* cursor, const QCursor& expected) {
  return cursor && cursor->shape() == Qt::BitmapCursor &&
         cursor->pixmap().toImage() == expected.pixmap().toImage();
}

TEST(Hints, DragCursorsAndTheIBeamOverSuggestedCards) {
  WindowRig rig(21);
  bool checkedCards = false, checkedPeg = false;
  rig.user = [&](int code) {
    PegDragBoard* board = rig.window->picBoard;
    if (code == kWaitDiscard && !checkedCards) {
      checkedCards = true;
      const int slot = rig.Model().hintSlot1;
      ASSERT_GE(slot, 0);
      EXPECT_EQ(rig.window->imgLoCard[slot]->cursor().shape(), Qt::IBeamCursor);
      int plain = 0;
      for (int k = 0; k < 6; ++k) plain += rig.window->imgLoCard[k]->cursor().shape() == Qt::ArrowCursor;
      EXPECT_EQ(plain, 4);
    } else if (code >= kWaitPegHeels && code <= kWaitPegCrib && rig.state.intPointsToPeg > 0 && !checkedPeg) {
      checkedPeg = true;
      const QPoint target = board->PegPosition(PegElement::Target) + QPoint(3, 3);
      // Without dragging, the pointer over the correct hole is the hint.
      QTest::mouseMove(board, target);
      const QCursor hover = board->cursor();
      EXPECT_TRUE(IsCursor(&hover, HintDragCursor()));
      // Dragging: the normal cursor, the hint over the correct hole.
      const QPoint grip = board->PegPosition(PegElement::Green0) + QPoint(3, 3);
      QTest::mousePress(board, Qt::LeftButton, {}, grip);
      EXPECT_TRUE(IsCursor(QGuiApplication::overrideCursor(), NormalDragCursor()));
      QTest::mouseMove(board, target);
      EXPECT_TRUE(IsCursor(QGuiApplication::overrideCursor(), HintDragCursor()));
      QTest::mouseMove(board, QPoint(2, 40));
      EXPECT_TRUE(IsCursor(QGuiApplication::overrideCursor(), NormalDragCursor()));
      QTest::mouseRelease(board, Qt::LeftButton, {}, target);
      EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
      EXPECT_EQ(rig.state.intWaitState, -code);  // pegged exactly on the target
      return;
    }
    if (checkedCards && checkedPeg) {
      rig.window->NewMatch();
      return;
    }
    rig.MouseAnswer(code);
  };
  rig.controller->PlayMatch();
  EXPECT_TRUE(checkedCards);
  EXPECT_TRUE(checkedPeg);
}

// The deck view of the dog-ear deck takes marks by letter key and by click;
// that of the default deck takes none. (At most thirteen: the marks' own test.)
TEST(Deck, MarksTakenOnlyInTheDogEarDeck) {
  WindowRig rig;
  FrmKestrel& w = *rig.window;
  rig.options.strMarkedCards = std::string{7, 23, 30, 40};
  for (QAction* style : {w.mnuOptionsStyleDogears, w.mnuOptionsStyleDefault}) {
    style->trigger();
    rig.user = [&](int code) {
      if (code != kWaitContinue) return;
      EXPECT_TRUE(w.frameDeck->isVisible());
      QTest::keyClicks(&w, "A");                                           // card 0
      QTest::mouseClick(w.imgCard[8], Qt::LeftButton, {}, QPoint(10, 10));  // card 8
      QTest::keyClicks(&w, "H");                                           // card 7
      QTest::keyClick(&w, Qt::Key_Return);
    };
    w.mnuOptionsStyleView->trigger();
    EXPECT_FALSE(w.frameDeck->isVisible());
    // The default deck's view leaves the marks of the dog-ear round as they were.
    const std::string row = style->text().toStdString();
    EXPECT_TRUE(IsMarkedCard(rig.options.strMarkedCards, 0)) << row;
    EXPECT_TRUE(IsMarkedCard(rig.options.strMarkedCards, 8)) << row;
    EXPECT_FALSE(IsMarkedCard(rig.options.strMarkedCards, 7)) << row;
    EXPECT_EQ(rig.options.strMarkedCards.size(), 5u) << row;
  }
}

}  // namespace
}  // namespace kestrel::testing
