// The stored form of the match statistics, kept with the saved match in the
// settings file: "Statistics1" holds the initial match seed, both sides'
// match totals and both sides' current-hand tallies (33 numbers);
// "Statistics2" the win margins and the hands per game (44 numbers).
#pragma once

#include <string>

#include "stats/statistics.h"

namespace kestrel {

std::string Statistics1Text(const Statistics& stats);
std::string Statistics2Text(const Statistics& stats);

// Fill the tables from the stored texts. Totals and the seed are 32-bit, the
// tallies and counts 16-bit; a number that does not fit, and every missing
// one, gives 0.
void LoadStatisticsTexts(const std::string& statistics1, const std::string& statistics2, Statistics& stats);

}  // namespace kestrel
