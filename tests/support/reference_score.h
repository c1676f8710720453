// Deliberately plain scorers over card numbers 0..51 that share no code with
// the engine, for checking its results (tests and fuzz targets).
#pragma once

namespace kestrel::test {

// The show: four cards and the starter (cards[4]); every subset for
// fifteens, every pair, every subset for runs, flush and his nobs.
int ReferenceScore(const int cards[5], bool isCrib);

// Pegging: the points the last of the n cards of the current count earns
// (oldest first): 2 for 15 or 31, pair points, or the longest run at the end.
int ReferencePegScore(const int cards[], int n);

}  // namespace kestrel::test
