// What the table shows is whole: the scoring details never lose a line, the
// underline marks exactly the four places counted, and the Go captions stay
// readable without painting over a card.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QStyle>
#include <algorithm>
#include <set>

#include "game/match_controller.h"
#include "tests/ui/window_rig.h"

namespace kestrel::testing {
namespace {

// Every breakdown text the show can produce: every hand by rank, its suits
// spread over the copies of a rank or (when the ranks differ) all one suit,
// with every starter card.
std::set<std::string> AllBreakdowns(EngineBridge& engine, bool isCrib) {
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
  return texts;
}

std::string Widest(const std::set<std::string>& texts, const QFont& font) {
  const QFontMetrics metrics(font);
  std::string widest;
  int best = -1;
  for (const std::string& text : texts) {
    const int width = metrics.horizontalAdvance(QString::fromStdString(text));
    if (width > best) best = width, widest = text;
  }
  return widest;
}

TEST(TableLayout, TheLongestScoringDetailsFitTheirPanel) {
  WindowRig rig;
  FrmKestrel& w = *rig.window;
  QLabel* label = w.lblDetails;
  const std::set<std::string> hands = AllBreakdowns(rig.decisions, false);
  const std::set<std::string> cribs = AllBreakdowns(rig.decisions, true);
  ASSERT_GT(hands.size(), 100u);
  const std::string hand = Widest(hands, label->font());
  const std::string crib = Widest(cribs, label->font());
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

TEST(TableLayout, TheUnderlineMarksExactlyTheFourPlacesCounted) {
  WindowRig rig;
  FrmKestrel& w = *rig.window;
  TableModel model;
  for (int k = 0; k < 12; ++k) model.loCard[k] = CardElement{FaceUpCode(k), true};
  for (int counted = 0; counted < 3; ++counted) {
    model.underlineVisible = true;
    model.underlineFirstPlace = 4 * counted;
    w.Redraw(model, kPartCards);
    const QRect line = w.lineUnderscore->geometry();
    for (int k = 0; k < 12; ++k) {
      const QRect place = w.imgLoCard[k]->geometry();
      const bool marked = line.left() <= place.right() && line.right() >= place.left();
      const bool fully = line.left() <= place.left() + 1 && line.right() >= place.right();
      const bool counts = k >= 4 * counted && k < 4 * counted + 4;
      EXPECT_EQ(marked, counts) << "what " << counted << ", place " << k;
      if (counts) {
        EXPECT_TRUE(fully) << "what " << counted << ", place " << k;
      }
    }
    EXPECT_EQ(line.top(), w.imgLoCard[0]->geometry().bottom() + 5);
  }
}

TEST(TableLayout, GoCaptionsStayInTheGapBehindTheCards) {
  WindowRig rig;
  FrmKestrel& w = *rig.window;
  const QObjectList& stack = w.frameLo->children();  // back to front
  std::vector<QRect> inks;
  for (QLabel* go : {w.lblLeftGo, w.lblRightGo}) {
    // Behind every card of the row.
    for (CardImage* card : w.imgLoCard) EXPECT_LT(stack.indexOf(go), stack.indexOf(card));
    // The word itself stands between places 5 and 6, readable.
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
