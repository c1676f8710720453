// Stand-in hand and pegging scorers (see interim_scoring.h).
#include "engine/interim_scoring.h"

namespace osprey::interim {

static int Pip(uint8_t c) {
  int r = c & 15;
  return r == 0 ? 15 : (r > 10 ? 10 : r);
}

int ScoreShowTotal(const uint8_t* c, bool crib) {
  int pts = 0;
  int suits = c[0] & c[1] & c[2] & c[3] & 0xF0;
  if (suits) {
    if (c[4] & suits) pts += 5;
    else if (!crib) pts += 4;
  }
  for (int i = 0; i < 4; ++i)
    if ((c[i] & 15) == 11 && (c[i] & c[4] & 0xF0)) pts += 1;
  int pip[5], total = 0;
  for (int i = 0; i < 5; ++i) total += pip[i] = Pip(c[i]);
  if (total == 15) pts += 2;
  for (int i = 0; i < 5; ++i)
    if (total - pip[i] == 15) pts += 2;
  for (int i = 0; i < 5; ++i)
    for (int j = i + 1; j < 5; ++j) {
      if (pip[i] + pip[j] == 15) pts += 2;
      if (total - pip[i] - pip[j] == 15) pts += 2;
    }
  int cnt[16] = {};
  for (int i = 0; i < 5; ++i) {
    int r = c[i] & 15;
    if (!r) continue;
    pts += 2 * cnt[r];
    ++cnt[r];
  }
  int len = 0, mul = 1;
  for (int r = 1; r <= 13; ++r) {
    if (cnt[r]) {
      ++len;
      mul *= cnt[r];
    } else {
      if (len >= 3) return pts + len * mul;
      len = 0;
      mul = 1;
    }
  }
  if (len >= 3) pts += len * mul;
  return pts;
}

int ScorePegCount(const uint8_t* c, int n) {
  if (n < 2) return 0;
  int cnt[16] = {}, total = 0;
  for (int i = 0; i < n; ++i) {
    ++cnt[c[i] & 15];
    total += Pip(c[i]);
  }
  int base = (total == 15 || total == 31) ? 2 : 0;
  int last = c[n - 1] & 15, k = 1;
  while (k < n && (c[n - 1 - k] & 15) == last) ++k;
  if (k >= 2) return base + k * (k - 1);
  for (int w = n, first = 0; w >= 3; --w, ++first) {
    int lo = 1;
    while (lo <= 13 && !cnt[lo]) ++lo;
    int len = 0;
    while (lo + len <= 13 && cnt[lo + len]) ++len;
    if (len == w) return base + w;
    --cnt[c[first] & 15];
  }
  return base;
}

}  // namespace osprey::interim
