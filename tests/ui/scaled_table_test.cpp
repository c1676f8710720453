// The table grows with the window: at scale 2 and 3 the player drags his
// peg to a given hole and clicks a given card through the real widgets,
// with the mouse events delivered where the window system delivers them (the
// panel view), at the scaled pixel positions.
#include <gtest/gtest.h>

#include <QGraphicsView>

#include "tests/ui/window_rig.h"
#include "ui/panel_view.h"

namespace kestrel::testing {
namespace {

// Sizes the window so that its client area shows the panel at `scale`.
void ResizeForScale(FrmKestrel& w, int scale) {
  const QSize client(FrmKestrel::kPanelWidth * scale + (FrmKestrel::kClientMinWidth - FrmKestrel::kPanelWidth),
                     FrmKestrel::kPanelHeight * scale + (FrmKestrel::kClientMinHeight - FrmKestrel::kPanelHeight));
  w.resize(w.size() - w.client->size() + client);
  QApplication::processEvents();
}

class ScaledTable : public ::testing::TestWithParam<int> {};

TEST_P(ScaledTable, DragsThePegToAHoleAndClicksACard) {
  const int scale = GetParam();
  WindowRig rig;
  FrmKestrel& w = *rig.window;
  ResizeForScale(w, scale);
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
      const PegPlace place = PegPlaceForScore(PegSide::Player, hole);
      const QPointF drop(place.left + 0.5, place.top + 0.5);
      QTest::mousePress(viewport, Qt::LeftButton, {}, at(w.picBoard, grip));
      EXPECT_TRUE(w.picBoard->Dragging());
      QTest::mouseMove(viewport, at(w.picBoard, QPointF(drop) + QPointF(-20, 0)));
      QTest::mouseMove(viewport, at(w.picBoard, drop));
      QTest::mouseRelease(viewport, Qt::LeftButton, {}, at(w.picBoard, drop));
      EXPECT_FALSE(w.picBoard->Dragging());
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

INSTANTIATE_TEST_SUITE_P(Scales, ScaledTable, ::testing::Values(2, 3));

TEST(ScaledTableLayout, MinimumSizeKeepsThePixelGeometryAndLargerSizesFit) {
  WindowRig rig;
  FrmKestrel& w = *rig.window;
  w.resize(200, 100);
  QApplication::processEvents();
  EXPECT_EQ(w.client->size(), QSize(560, 278));
  EXPECT_EQ(w.PanelRect(), QRect(15, 5, 530, 268));
  EXPECT_DOUBLE_EQ(w.PanelScale(), 1.0);
  // Larger: the largest uniform scale that fits, centred; the pop-up panels
  // lie on the game panel and scale with it.
  w.resize(w.size() - w.client->size() + QSize(1920, 1000));
  QApplication::processEvents();
  const qreal scale = w.PanelScale();
  EXPECT_NEAR(scale, std::min((1920 - 30) / 530.0, (1000 - 10) / 268.0), 1e-9);
  const QRect panel = w.PanelRect();
  EXPECT_LE(std::abs(panel.center().x() - w.client->rect().center().x()), 1);
  EXPECT_LE(std::abs(panel.center().y() - w.client->rect().center().y()), 1);
  EXPECT_TRUE(w.client->rect().contains(panel));
  for (QFrame* popup : {w.frameAbout, w.frameDeck, w.frameSeed, w.frameHistory, w.frameNew}) {
    EXPECT_EQ(popup->parentWidget(), w.picContainer);
    EXPECT_EQ(popup->geometry(), QRect(0, 0, 530, 225));
  }
  // The drag cursors grow with the table.
  EXPECT_EQ(w.picBoard->CursorScale(), scale);
}

}  // namespace
}  // namespace kestrel::testing
