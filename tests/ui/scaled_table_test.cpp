// The table at scale 1, 2 and 3: the player drags his peg to a given hole and
// clicks a given card through the real widgets, with the mouse events delivered
// where the window system delivers them (the panel view), at the scaled pixel
// positions; the hint cursors (the I-beam over the suggested card, the drag
// cursors over the board) show on the way at the table's scale, and a drop in
// the computer's half of the board is ignored.
#include <gtest/gtest.h>

#include <QGraphicsView>
#include <QGuiApplication>

#include "tests/ui/window_rig.h"
#include "ui/icon_art.h"
#include "ui/panel_view.h"

namespace kestrel::testing {
namespace {

bool IsCursor(const QCursor* cursor, const QCursor& expected) {
  return cursor && cursor->shape() == Qt::BitmapCursor && cursor->pixmap().toImage() == expected.pixmap().toImage();
}

class ScaledTable : public ::testing::TestWithParam<int> {};

TEST_P(ScaledTable, DragsThePegToAHoleAndClicksACard) {
  const int scale = GetParam();
  WindowRig rig;
  FrmKestrel& w = *rig.window;
  w.resize(w.size() - w.client->size() +
           QSize(FrmKestrel::kPanelWidth * scale + (FrmKestrel::kClientMinWidth - FrmKestrel::kPanelWidth),
                 FrmKestrel::kPanelHeight * scale + (FrmKestrel::kClientMinHeight - FrmKestrel::kPanelHeight)));
  QApplication::processEvents();
  ASSERT_DOUBLE_EQ(w.PanelScale(), scale);
  EXPECT_EQ(w.PanelRect().size(), QSize(530 * scale, 268 * scale));
  QWidget* viewport = w.panelView->viewport();
  auto at = [&](const QWidget* element, QPointF local) { return w.panelView->ViewportPoint(element, local); };

  bool clicked = false, dragged = false;
  rig.user = [&](int code) {
    if (code == kWaitDiscard && !clicked && rig.state.intSelectedCard < 0) {
      // The card in place 4, clicked at its middle on the scaled table.
      const int position = rig.controller->Model().loCard[4].visible ? HandPositionOfPlace(rig.Model(), rig.state, 4) : -1;
      ASSERT_GE(position, 0);
      const int hinted = rig.Model().hintSlot1;
      ASSERT_GE(hinted, 0);
      int plain = 0;
      for (int k = 0; k < 6; ++k) plain += w.imgLoCard[k]->cursor().shape() == Qt::ArrowCursor;
      EXPECT_EQ(w.imgLoCard[hinted]->cursor().shape(), Qt::IBeamCursor);
      EXPECT_EQ(plain, 4);
      QTest::mouseClick(viewport, Qt::LeftButton, {}, at(w.imgLoCard[4], QPointF(18, 24)));
      EXPECT_EQ(rig.state.intSelectedCard, position);
      EXPECT_EQ(rig.state.intWaitState, -kWaitDiscard);
      clicked = true;
      return;
    }
    if (code >= kWaitPegHeels && code <= kWaitPegCrib && !dragged && rig.state.intPointsToPeg > 0) {
      // The back peg taken by its middle and dropped with its corner on the
      // hole two past the front peg.
      const int hole = rig.state.intPlayerScore + 2;
      const QPoint grip = w.picBoard->PegPosition(PegElement::Green0) + QPoint(3, 3);
      const QPointF drop = QPointF(WindowRig::HoleOf(hole)) + QPointF(0.5, 0.5);
      const QPoint target = w.picBoard->PegPosition(PegElement::Target) + QPoint(3, 3);
      // Without dragging, the pointer over the correct hole is the hint.
      QTest::mouseMove(viewport, at(w.picBoard, target));
      const QCursor hover = w.picBoard->cursor();
      EXPECT_TRUE(IsCursor(&hover, HintDragCursor(scale)));
      // A drop in the computer's half is ignored: the peg stays, the wait goes on.
      const int claim = rig.Model().playerClaim;
      QTest::mousePress(viewport, Qt::LeftButton, {}, at(w.picBoard, grip));
      QTest::mouseMove(viewport, at(w.picBoard, QPointF(drop.x(), 10)));
      QTest::mouseRelease(viewport, Qt::LeftButton, {}, at(w.picBoard, QPointF(drop.x(), 10)));
      EXPECT_EQ(rig.state.intWaitState, code);
      EXPECT_EQ(rig.Model().playerClaim, claim);
      // Dragging: the normal cursor, the hint over the correct hole.
      QTest::mousePress(viewport, Qt::LeftButton, {}, at(w.picBoard, grip));
      EXPECT_TRUE(w.picBoard->Dragging());
      EXPECT_TRUE(IsCursor(QGuiApplication::overrideCursor(), NormalDragCursor(scale)));
      QTest::mouseMove(viewport, at(w.picBoard, target));
      EXPECT_TRUE(IsCursor(QGuiApplication::overrideCursor(), HintDragCursor(scale)));
      QTest::mouseMove(viewport, at(w.picBoard, QPointF(2, 40)));
      EXPECT_TRUE(IsCursor(QGuiApplication::overrideCursor(), NormalDragCursor(scale)));
      QTest::mouseMove(viewport, at(w.picBoard, drop));
      QTest::mouseRelease(viewport, Qt::LeftButton, {}, at(w.picBoard, drop));
      EXPECT_FALSE(w.picBoard->Dragging());
      EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
      EXPECT_EQ(w.picBoard->PegScoreAt(PegElement::Green0), hole);
      EXPECT_LT(rig.state.intWaitState, 0);
      dragged = true;
      return;
    }
    if (clicked && dragged) {
      w.NewMatch();
      return;
    }
    rig.controller->DoAutomatic();
  };
  rig.controller->PlayMatch();
  EXPECT_TRUE(clicked);
  EXPECT_TRUE(dragged);
  EXPECT_FALSE(rig.stuck);
}

INSTANTIATE_TEST_SUITE_P(Scales, ScaledTable, ::testing::Values(2, 3, 1));

// Below the minimum, wider but no taller, and larger both ways: the client
// area keeps its minimum, and the panel takes the largest scale (at least 1)
// that fits, centred; the pop-up panels lie on it and scale with it.
TEST(ScaledTableLayout, MinimumSizeKeepsThePixelGeometryAndLargerSizesFit) {
  WindowRig rig;
  FrmKestrel& w = *rig.window;
  const int marginX = FrmKestrel::kClientMinWidth - FrmKestrel::kPanelWidth;
  const int marginY = FrmKestrel::kClientMinHeight - FrmKestrel::kPanelHeight;
  for (QSize asked : {QSize(200, 100), QSize(900, 278), QSize(1920, 1000)}) {
    w.resize(w.size() - w.client->size() + asked);
    QApplication::processEvents();
    const std::string row = std::to_string(asked.width()) + "x" + std::to_string(asked.height());
    const QRect client = w.client->rect(), panel = w.PanelRect();
    EXPECT_GE(client.width(), FrmKestrel::kClientMinWidth) << row;
    EXPECT_GE(client.height(), FrmKestrel::kClientMinHeight) << row;
    EXPECT_GE(w.PanelScale(), 1.0) << row;
    EXPECT_LE(std::abs(panel.width() - FrmKestrel::kPanelWidth * w.PanelScale()), 1) << row;
    EXPECT_LE(std::abs(panel.height() - FrmKestrel::kPanelHeight * w.PanelScale()), 1) << row;
    EXPECT_TRUE(client.contains(panel)) << row;
    EXPECT_TRUE(panel.width() + marginX >= client.width() - 1 || panel.height() + marginY >= client.height() - 1)
        << row;  // no larger scale would fit
    EXPECT_LE(std::abs(panel.center().x() - client.center().x()), 1) << row;
    EXPECT_LE(std::abs(panel.center().y() - client.center().y()), 1) << row;
  }
  for (QFrame* popup : {w.frameAbout, w.frameDeck, w.frameSeed, w.frameHistory, w.frameNew}) {
    EXPECT_EQ(popup->parentWidget(), w.picContainer);
    EXPECT_TRUE(w.picContainer->rect().contains(popup->geometry()));
  }
}

}  // namespace
}  // namespace kestrel::testing
