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

// Every breakdown text the show can produce, found over all hands by rank,
// each with the suits that give it no flush, the longest flush, or nobs.
std::set<std::string> AllBreakdowns(EngineBridge& engine, bool isCrib) {
  std::set<std::string> texts;
  int ranks[5];
  auto evaluate = [&](const int suits[5]) {
    std::string hand;
    for (int k = 0; k < 5; ++k) hand += static_cast<char>(suits[k] * 13 + ranks[k]);
    std::string sorted = hand;
    std::sort(sorted.begin(), sorted.end());
    if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end()) return;  // a card twice
    const int total = engine.ScoreShowTotal(hand, isCrib);
    const int word = engine.ParseShow(hand, isCrib).Word();
    texts.insert(HandBreakdownText(word < 0 ? 0 : word, total));
  };
  int multiset[5];
  for (multiset[0] = 0; multiset[0] < 13; ++multiset[0])
    for (multiset[1] = multiset[0]; multiset[1] < 13; ++multiset[1])
      for (multiset[2] = multiset[1]; multiset[2] < 13; ++multiset[2])
        for (multiset[3] = multiset[2]; multiset[3] < 13; ++multiset[3])
          for (multiset[4] = multiset[3]; multiset[4] < 13; ++multiset[4]) {
            if (multiset[0] == multiset[4]) continue;  // five of a rank
            for (int starter = 0; starter < 5; ++starter) {
              if (starter > 0 && multiset[starter] == multiset[starter - 1]) continue;
              int k = 0;
              for (int i = 0; i < 5; ++i)
                if (i != starter) ranks[k++] = multiset[i];
              ranks[4] = multiset[starter];
              // Copies of a rank in different suits; then the longest flush;
              // then nobs (the starter in the suit of a jack in the hand).
              int plain[5], flush[5], nobs[5];
              for (int i = 0; i < 5; ++i) {
                plain[i] = 0;
                for (int j = 0; j < i; ++j) plain[i] += ranks[j] == ranks[i];
                flush[i] = plain[i];
              }
              bool handDistinct = true;
              for (int i = 0; i < 4; ++i) handDistinct = handDistinct && plain[i] == 0;
              if (handDistinct) {
                for (int i = 0; i < 4; ++i) flush[i] = 0;
                flush[4] = plain[4] == 0 ? 0 : plain[4];
              }
              evaluate(plain);
              evaluate(flush);
              for (int i = 0; i < 4; ++i) {
                if (ranks[i] != 10) continue;
                std::copy(plain, plain + 5, nobs);
                nobs[4] = nobs[i];
                for (int j = 0; j < 4; ++j)
                  if (ranks[j] == ranks[4] && nobs[j] == nobs[4]) nobs[j] = plain[4];
                evaluate(nobs);
                if (handDistinct) {
                  std::copy(flush, flush + 5, nobs);
                  nobs[4] = 0;
                  evaluate(nobs);
                }
              }
            }
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
  // The panel and its label keep their sizes.
  EXPECT_EQ(w.frameDetails->size(), QSize(397, 81));
  EXPECT_EQ(label->geometry(), QRect(8, 12, 384, 67));
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
    // The Part's geometry, and behind every card of the row.
    EXPECT_EQ(go->size(), QSize(36, 21));
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
  EXPECT_EQ(w.lblLeftGo->pos(), QPoint(232, 23));
  EXPECT_EQ(w.lblRightGo->pos(), QPoint(260, 23));
}

}  // namespace
}  // namespace kestrel::testing
