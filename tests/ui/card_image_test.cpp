// The card element widget: its tag, refreshing from the tag, clicks, and
// the deck-view places.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include "ui/card_image.h"
#include "ui/card_renderer.h"

using namespace kestrel;

namespace {

void EnsureApp() {
  static int argc = 1;
  static char name[] = "ui_tests";
  static char* argv[] = {name, nullptr};
  if (!QApplication::instance()) new QApplication(argc, argv);
}

TEST(CardImage, KeepsItsCodeAndRedrawsFromIt) {
  EnsureApp();
  CardRenderer renderer;
  renderer.SetMarkedCards(std::string{7});
  CardImage card(&renderer);
  EXPECT_EQ(card.size(), QSize(36, 49));
  EXPECT_TRUE(card.Picture().isNull());
  EXPECT_EQ(card.Card(), -1);

  card.RenderCard(std::string{'F', 7});
  EXPECT_EQ(card.Tag(), (std::string{'F', 7}));
  EXPECT_EQ(card.Card(), 7);
  EXPECT_EQ(card.Picture().pixel(1, 44) | 0xFF000000u, qRgb(255, 255, 255));
  // A change of deck style shows after a refresh.
  renderer.SetDeckStyle(kDeckDogEar);
  card.RefreshCard();
  EXPECT_EQ(card.Picture().pixel(1, 44) | 0xFF000000u, qRgb(128, 128, 0));

  card.RenderCard(std::string{'B', static_cast<char>(255)});
  EXPECT_EQ(card.Card(), -1);
  EXPECT_FALSE(card.Picture().isNull());
  card.RenderCard("");
  EXPECT_TRUE(card.Picture().isNull());

  CardImage bar(&renderer, nullptr, QSize(36, 2));
  bar.RenderCard("P0", std::string{'F', 7});
  EXPECT_EQ(bar.Picture().size(), QSize(36, 2));
  EXPECT_EQ(bar.Tag(), "P0");
}

TEST(CardImage, ClickIsALeftReleaseOverTheCard) {
  EnsureApp();
  CardRenderer renderer;
  CardImage card(&renderer);
  card.RenderCard(std::string{'F', 3});
  QSignalSpy spy(&card, &CardImage::clicked);
  QTest::mouseClick(&card, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(spy.count(), 1);
  QTest::mouseClick(&card, Qt::RightButton, {}, QPoint(10, 10));
  EXPECT_EQ(spy.count(), 1);
}

TEST(DeckView, PlacesAndHits) {
  EXPECT_EQ(DeckViewPlace(0), QRect(8, 14, 36, 49));
  EXPECT_EQ(DeckViewPlace(51), QRect(8 + 40 * 12, 14 + 52 * 3, 36, 49));
  EXPECT_EQ(DeckViewCardAt(QPoint(8 + 40 * 5 + 2, 14 + 52 * 2 + 48)), 31);
  EXPECT_EQ(DeckViewCardAt(QPoint(8 + 40 * 5 + 37, 20)), -1);  // the gap between cards
  EXPECT_EQ(DeckViewCardAt(QPoint(0, 0)), -1);
}

TEST(ThreeCardsIcon, IsDrawn) {
  EnsureApp();
  CardRenderer renderer;
  const QImage icon = ThreeCardsIcon(renderer);
  ASSERT_EQ(icon.size(), QSize(32, 32));
  EXPECT_EQ(qAlpha(icon.pixel(0, 31)), 0);
  EXPECT_GT(qAlpha(icon.pixel(16, 14)), 0);
}

}  // namespace
