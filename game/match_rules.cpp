// Small rules of the match: the caption text, moving discards to the end of
// a hand, match points for a finished game, and the wording of a hand's score.
#include <algorithm>
#include <string>

#include "game/game_state.h"
#include "game/match_controller.h"
#include "stats/log_records.h"

namespace kestrel {

std::string MatchCaption(const GameState& state, bool minimised) {
  std::string caption = "Kestrel";
  if (state.intGamesPlayed >= 1 && !minimised)
    caption += "  -  Games: " + std::to_string(state.intGamesPlayed) + "   Match Score:  " +
               std::to_string(state.intPlayerMatchPoints) + "/" + std::to_string(state.intComputerMatchPoints) +
               "   Point Differential:  " + SignedNumber(state.intPointDifferential);
  return caption;
}

void MoveDiscardsToEnd(std::string& hand, int first, int second) {
  if (hand.size() != 6 || first == second || first < 0 || second < 0 || first > 5 || second > 5) return;
  const int hi = std::max(first, second), lo = std::min(first, second);
  const char a = hand[lo], b = hand[hi];
  hand.erase(hi, 1);
  hand.erase(lo, 1);
  hand += a;
  hand += b;
}

int MatchPointsFor(int loserScore, int weights) {
  const int w = std::clamp(weights, 0, 3);
  if (loserScore > 90) return 2;
  if (loserScore > 60) return "3434"[w] - '0';
  return "4634"[w] - '0';
}

std::string HandBreakdownText(int breakdown, int total) {
  if (breakdown == 0) return "no points.";
  static const char kWords[] = "one  two  threefour five six  seveneightnine ten  ";
  auto word = [](int n) {
    if (n < 1 || n > 10) return std::to_string(n);
    std::string w(kWords + 5 * (n - 1), 5);
    while (!w.empty() && w.back() == ' ') w.pop_back();
    return w;
  };
  std::string text;
  int combos = 0;
  if (breakdown & (1 << 13)) {
    text += ", nobs for 1";
    ++combos;
  }
  if (breakdown & (1 << 12)) {
    text += std::string(", a flush for ") + ((breakdown & (1 << 11)) ? "5" : "4");
    ++combos;
  }
  const int fifteens = ((breakdown >> 7) & 15) * 2;
  if (fifteens == 2) {
    text += ", one fifteen for 2";
    ++combos;
  } else if (fifteens > 0) {
    text += ", " + word(fifteens / 2) + " fifteens for " + std::to_string(fifteens);
    ++combos;
  }
  const int pairs = ((breakdown >> 4) & 7) * 2;
  switch (pairs) {
    case 2: text += ", a pair for 2"; ++combos; break;
    case 4: text += ", two pair for 4"; ++combos; break;
    case 6: text += ", three of a kind for 6"; ++combos; break;
    case 8: text += ", a pair for 2, three-of-a-kind for 6"; combos += 2; break;
    case 12: text += ", four of a kind for 12"; ++combos; break;
    default: break;
  }
  const int runs = breakdown & 15;
  switch (runs) {
    case 3: text += ", a run of three for 3"; ++combos; break;
    case 4: text += ", a run of four for 4"; ++combos; break;
    case 5: text += ", a run of five for 5"; ++combos; break;
    case 6:
    case 9:
    case 12: text += ", " + word(runs / 3) + " runs of three for " + std::to_string(runs); ++combos; break;
    case 8: text += ", two runs of four for 8"; ++combos; break;
    default: break;
  }
  if (text.size() >= 2) text.erase(0, 2);
  if (combos > 1) text += " -- total " + std::to_string(total) + " points";
  text += ".";
  const size_t comma = text.rfind(',');
  if (comma != std::string::npos) text.replace(comma, 1, " and");
  return text;
}

}  // namespace kestrel
