// What the table shows is whole: the scoring details never lose a line, the
// underline marks exactly the four places counted, and the Go captions stay
// readable in the gap between two cards without painting over either.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QStyle>
#include <algorithm>
#include <set>

#include "game/match_controller.h"
#include "tests/ui/window_rig.h"

namespace kestrel::testing {
namespace {

// The widest breakdown text the show can produce in `font`, found over every
// hand by rank, its suits spread over the copies of a rank or (when the ranks
// differ) all one suit, with every starter card.
std::string WidestBreakdown(EngineBridge& engine, bool isCrib, const QFont& font) {
  std::set<std::string> texts;
  int r[4];
  for (r[0] = 0; r[0] < 13; ++r[0])
    for (r[1] = r[0]; r[1] < 13; ++r[1])
      for (r[2] = r[1]; r[2] < 13; ++r[2])
        for (r[3] = r[2]; r[3] < 13; ++r[3])
          for (int flush = 0; flush < 2; ++flush)
            for (int starter = 0; starter < 52; ++starter) {
              std::string hand;
              for (int i = 0; i < 4; ++i) {
                const int copy = static_cast<int>(std::count(r, r + i, r[i]));
                hand += static_cast<char>((flush ? 0 : copy) * 13 + r[i]);
              }
              hand += static_cast<char>(starter);
              std::string sorted = hand;
              std::sort(sorted.begin(), sorted.end());
              if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end()) continue;  // a card twice
              const int word = engine.ParseShow(hand, isCrib).Word();
              texts.insert(HandBreakdownText(word < 0 ? 0 : word, engine.ScoreShowTotal(hand, isCrib)));
            }
  EXPECT_GT(texts.size(), 100u);
  const QFontMetrics metrics(font);
  return *std::max_element(texts.begin(), texts.end(), [&](const std::string& a, const std::string& b) {
    return metrics.horizontalAdvance(QString::fromStdString(a)) < metrics.horizontalAdvance(QString::fromStdString(b));
  });
}

TEST(TableLayout, TheLongestScoringDetailsFitTheirPanel) {
  WindowRig rig;
  FrmKestrel& w = *rig.window;
  QLabel* label = w.lblDetails;
  const std::string hand = WidestBreakdown(rig.decisions, false, label->font());
  const std::string crib = WidestBreakdown(rig.decisions, true, label->font());
  // A hand alone, a crib alone, and both hands with the crib as the show
  // puts them together; the label must not need more than its own height.
  for (const std::string& text :
       {"Looks like you've got " + hand, "Crib has " + crib,
        "I've got " + hand + " Looks like you've got " + hand + " Crib has " + crib,
        "Looks like you've got " + hand + " I've got " + hand + " Crib has " + crib}) {
    label->setText(QString::fromStdString(text));
    const QRect needed = QFontMetrics(label->font())
                             .boundingRect(QRect(0, 0, label->width(), 1000), Qt::TextWordWrap,
                                           label->text());
    EXPECT_LE(label->heightForWidth(label->width()), label->height()) << text;
    EXPECT_LE(needed.height(), label->height()) << text;
    EXPECT_LE(needed.width(), label->width()) << text;
  }
  EXPECT_TRUE(w.frameDetails->rect().contains(label->geometry()));
}

TEST(TableLayout, TheUnderlineAndTheGoCaptionsMarkTheirPlacesOnly) {
  WindowRig rig;
  FrmKestrel& w = *rig.window;
  // The underline below the cards covers exactly the four places counted.
  TableModel model;
  for (int k = 0; k < 12; ++k) model.loCard[k] = CardElement{FaceUpCode(k), true};
  model.underlineVisible = true;
  for (int first : {0, 4, 8}) {
    model.underlineFirstPlace = first;
    w.Redraw(model, kPartCards);
    const QRect line = w.lineUnderscore->geometry();
    EXPECT_GT(line.top(), w.imgLoCard[0]->geometry().bottom());
    for (int k = 0; k < 12; ++k) {
      const QRect place = w.imgLoCard[k]->geometry();
      const bool marked = line.left() <= place.right() && line.right() >= place.left();
      const bool fully = line.left() <= place.left() + 1 && line.right() >= place.right();
      const bool counts = k >= first && k < first + 4;
      EXPECT_EQ(marked, counts) << "first " << first << ", place " << k;
      EXPECT_TRUE(fully || !counts) << "first " << first << ", place " << k;
    }
  }
  // The Go captions: behind every card, their ink in the gap between places 5 and 6.
  const QObjectList& stack = w.frameLo->children();  // back to front
  std::vector<QRect> inks;
  for (QLabel* go : {w.lblLeftGo, w.lblRightGo}) {
    for (CardImage* card : w.imgLoCard) EXPECT_LT(stack.indexOf(go), stack.indexOf(card));
    const QFontMetrics metrics(go->font());
    const QRect box = QStyle::alignedRect(Qt::LeftToRight, go->alignment(),
                                          QSize(metrics.horizontalAdvance(go->text()), metrics.height()),
                                          go->contentsRect());
    // The ink of the word, where the label draws it.
    const QRect ink = metrics.tightBoundingRect(go->text());
    const QRect onRow = QRect(box.left() + ink.left(), box.top(), ink.width(), box.height()).translated(go->pos());
    const int gapLeft = w.imgLoCard[5]->geometry().right() + 1, gapRight = w.imgLoCard[6]->x();
    // At most the word's outer pixel column lies under its card.
    EXPECT_GE(onRow.left(), gapLeft - 1) << go->x();
    EXPECT_LE(onRow.right(), gapRight) << go->x();
    inks.push_back(onRow);
  }
  ASSERT_EQ(inks.size(), 2u);
  EXPECT_LT(inks[0].right(), inks[1].left());  // the two words do not run together
}

}  // namespace
}  // namespace kestrel::testing
