// merlin-tables: makes merlin_tables.cpp, the fixed tables of the Expert
// decision library, from simulated deals in which both sides lay away as the
// engine does. Run it and keep its output as source:
//   build/release/merlin/merlin-tables > merlin/merlin_tables.cpp
// The figures depend only on the fixed seed below.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "engine/decisions.h"
#include "engine/scoring.h"
#include "merlin/merlin_tables.h"

namespace {

uint64_t rngState = 0x6d65726c696eULL;
uint64_t Next() {
  uint64_t z = (rngState += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}
int Below(int n) { return static_cast<int>(Next() % static_cast<uint64_t>(n)); }

// Points of four cards and a starter counted by rank alone (no flush, no nobs).
int RankScore(int r1, int r2, int r3, int r4, int rs) {
  const uint8_t five[5] = {uint8_t(r1), uint8_t(r2), uint8_t(r3), uint8_t(r4), uint8_t(rs)};
  return osprey::ScoreShowTotal(five, true);
}

void PrintTable(const char* decl, const std::vector<long>& values, int perLine) {
  std::printf("%s = {", decl);
  for (size_t i = 0; i < values.size(); ++i) {
    if (i % static_cast<size_t>(perLine) == 0) std::printf("\n   ");
    std::printf(" %ld,", values[i]);
  }
  std::printf("\n};\n\n");
}

}  // namespace

int main() {
  constexpr int kDeals = 200000;
  // Thrown rank pairs by role (0 pone, 1 dealer), kept-hand points by role.
  std::vector<double> thrown[2] = {std::vector<double>(91), std::vector<double>(91)};
  std::vector<double> hand[2] = {std::vector<double>(30), std::vector<double>(30)};
  for (int deal = 0; deal < kDeals; ++deal) {
    int deck[52];
    for (int i = 0; i < 52; ++i) deck[i] = i;
    for (int i = 0; i < 13; ++i) std::swap(deck[i], deck[i + Below(52 - i)]);
    const int scores[2] = {Below(100), Below(100)};
    for (int role = 0; role < 2; ++role) {
      osprey::CardByte six[6];
      for (int k = 0; k < 6; ++k) six[k] = osprey::CardByteOf(deck[role * 6 + k]);
      const int word = osprey::ChooseDiscard(six, scores[1], scores[0]);
      const int choice = role == 1 ? (word >> 8) & 255 : word & 255;
      const int i = choice & 15, j = choice >> 4;
      thrown[role][merlin::RankPairIndex(osprey::Rank(six[i]), osprey::Rank(six[j]))] += 1;
      osprey::CardByte five[5];
      int n = 0;
      for (int k = 0; k < 6; ++k)
        if (k != i && k != j) five[n++] = six[k];
      five[4] = osprey::CardByteOf(deck[12]);
      hand[role][osprey::ScoreShowTotal(five, false)] += 1;
    }
  }

  std::printf("// Made by merlin-tables (tables_gen.cpp); do not edit.\n");
  std::printf("#include \"merlin/merlin_tables.h\"\n\nnamespace merlin {\n\n");

  // Crib values: the other side's throw comes from the role that throws
  // into this crib: the pone's into the own crib, the dealer's into its own
  // (the opponent's) crib.
  std::vector<long> crib;
  for (int owner = 0; owner < 2; ++owner) {
    const std::vector<double>& other = thrown[owner == merlin::kOwnCrib ? 0 : 1];
    for (int h = 1; h <= 13; ++h)
      for (int l = 1; l <= h; ++l)
        for (int rs = 1; rs <= 13; ++rs) {
          double sum = 0, weight = 0;
          for (int q1 = 1; q1 <= 13; ++q1)
            for (int q2 = 1; q2 <= q1; ++q2) {
              int used[14] = {};
              ++used[h], ++used[l], ++used[rs], ++used[q1], ++used[q2];
              bool possible = true;
              for (int r = 1; r <= 13; ++r) possible = possible && used[r] <= 4;
              if (!possible) continue;
              // Fewer cards of a rank are left once some are out.
              const double w = other[merlin::RankPairIndex(q1, q2)] * (4 - (used[q1] - 1)) / 4.0 *
                               (4 - (used[q2] - 1)) / 4.0;
              sum += w * RankScore(h, l, q1, q2, rs);
              weight += w;
            }
          crib.push_back(std::lround(256.0 * sum / weight));
        }
  }
  // Stored as [owner][pair index][starter rank - 1]; the loop above walks
  // pairs in index order already (h = 1..13, l = 1..h).
  PrintTable("const uint16_t kCribValue[2][91][13]", crib, 13);

  std::vector<long> handOut;
  for (int role = 0; role < 2; ++role)
    for (int n = 0; n < 30; ++n) handOut.push_back(std::lround(65536.0 * hand[role][n] / kDeals));
  PrintTable("const uint16_t kHandPoints[2][30]", handOut, 15);

  // Pegging: the pone's points ~ Poisson(2.1); the dealer always has the
  // last card, so 1 + Poisson(2.4). (The engine's self-play averages are
  // about 2.1 and 3.5.)
  std::vector<double> peg[2] = {std::vector<double>(16), std::vector<double>(16)};
  const double means[2] = {2.1, 2.4};
  for (int role = 0; role < 2; ++role) {
    double p = std::exp(-means[role]);
    for (int n = 0; n + role < 16; ++n) {
      peg[role][n + role] = p;
      p *= means[role] / (n + 1);
    }
  }
  std::vector<long> pegOut;
  for (int role = 0; role < 2; ++role)
    for (int n = 0; n < 16; ++n) pegOut.push_back(std::lround(65536.0 * peg[role][n]));
  PrintTable("const uint16_t kPegPoints[2][16]", pegOut, 16);

  // The dealer's show: its hand and the crib.
  std::vector<double> crib1(30);
  {
    // Crib points from the two throws and a random starter, by rank.
    double total = 0;
    for (int a = 0; a < 91; ++a)
      for (int b = 0; b < 91; ++b) {
        const double w = thrown[0][a] * thrown[1][b];
        if (w == 0) continue;
        int h1 = 0;
        while ((h1 + 1) * (h1 + 2) / 2 <= a) ++h1;
        const int l1 = a - h1 * (h1 + 1) / 2;
        int h2 = 0;
        while ((h2 + 1) * (h2 + 2) / 2 <= b) ++h2;
        const int l2 = b - h2 * (h2 + 1) / 2;
        for (int rs = 1; rs <= 13; ++rs) {
          crib1[RankScore(h1 + 1, l1 + 1, h2 + 1, l2 + 1, rs)] += w;
          total += w;
        }
      }
    for (double& v : crib1) v /= total;
  }
  std::vector<double> dealerShow(60);
  for (int x = 0; x < 30; ++x)
    for (int y = 0; y < 30; ++y) dealerShow[x + y] += hand[1][x] / kDeals * crib1[y];

  // Win chances of the side about to deal, worked back from the end: the
  // pegging (both sides' points; when both could reach 121, even chances),
  // then the pone's show, then the dealer's hand and crib; then the deal
  // passes. V[a][b]: dealer a, pone b. X and Y are the stages after the
  // pegging and after the pone's show.
  static double V[121][121], X[121][121], Y[121][121];
  for (int s = 240; s >= 0; --s) {
    for (int a = 0; a <= 120; ++a) {
      const int b = s - a;
      if (b < 0 || b > 120) continue;
      double v = 0;
      for (int pd = 0; pd < 16; ++pd)
        for (int pp = 0; pp < 16; ++pp) {
          const double p = peg[1][pd] * peg[0][pp];
          if (p == 0) continue;
          const bool dOut = a + pd >= 121, pOut = b + pp >= 121;
          if (dOut && pOut) v += p * 0.5;
          else if (dOut) v += p;
          else if (!pOut) v += p * Y[a + pd][b + pp];
        }
      V[a][b] = v;
    }
    for (int a = 0; a <= 120; ++a) {
      const int b = s - a;
      if (b < 0 || b > 120) continue;
      double x = 0;
      for (int t = 0; t < 60; ++t) x += dealerShow[t] * (a + t >= 121 ? 1.0 : 1.0 - V[b][a + t]);
      X[a][b] = x;
    }
    for (int a = 0; a <= 120; ++a) {
      const int b = s - a;
      if (b < 0 || b > 120) continue;
      double y = 0;
      for (int h = 0; h < 30; ++h)
        if (b + h < 121) y += hand[0][h] / kDeals * X[a][b + h];
      Y[a][b] = y;
    }
  }
  std::vector<long> wins;
  for (int a = 0; a <= 120; ++a)
    for (int b = 0; b <= 120; ++b) wins.push_back(std::lround(65535.0 * V[a][b]));
  PrintTable("const uint16_t kDealerWins[121][121]", wins, 16);
  std::printf("}  // namespace merlin\n");
  std::fprintf(stderr, "dealer at 0-0 wins %.4f; mean crib %.3f\n", V[0][0], [&] {
    double m = 0;
    for (int n = 0; n < 30; ++n) m += n * crib1[n];
    return m;
  }());
  return 0;
}
