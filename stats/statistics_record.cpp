// The stored form of the match statistics.
#include "stats/statistics_record.h"

#include <cctype>
#include <cstdint>
#include <limits>
#include <vector>

namespace kestrel {
namespace {

template <typename Table>
void Append(std::string& text, const Table& table, size_t first, size_t last) {
  for (size_t i = first; i <= last; ++i) {
    text += ',';
    text += std::to_string(table[i]);
  }
}

// The leading decimal number of each comma-separated field (blanks before it
// skipped, anything else 0), as a 64-bit value; missing fields give 0.
std::vector<int64_t> Fields(const std::string& text, size_t count) {
  std::vector<int64_t> out(count, 0);
  size_t start = 0;
  for (size_t f = 0; f < count; ++f) {
    const size_t comma = text.find(',', start);
    const size_t end = comma == std::string::npos ? text.size() : comma;
    size_t i = start;
    while (i < end && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < end && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    int64_t value = 0;
    for (; i < end && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
      if (value <= std::numeric_limits<int32_t>::max()) value = value * 10 + (text[i] - '0');
    out[f] = negative ? -value : value;
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return out;
}

template <typename T>
T Fit(int64_t v) {
  return v < std::numeric_limits<T>::min() || v > std::numeric_limits<T>::max() ? T{0} : static_cast<T>(v);
}

}  // namespace

std::string Statistics1Text(const Statistics& stats) {
  std::string text = std::to_string(stats.initialSeed);
  Append(text, stats.playerTotals, 1, 8);
  Append(text, stats.computerTotals, 1, 8);
  Append(text, stats.playerTally, 1, 8);
  Append(text, stats.computerTally, 1, 8);
  return text;
}

std::string Statistics2Text(const Statistics& stats) {
  std::string text = std::to_string(stats.winMargins[1]);
  Append(text, stats.winMargins, 2, 26);
  Append(text, stats.handsPerGame, 1, 18);
  return text;
}

void LoadStatisticsTexts(const std::string& statistics1, const std::string& statistics2, Statistics& stats) {
  const std::vector<int64_t> a = Fields(statistics1, 33);
  stats.initialSeed = Fit<int32_t>(a[0]);
  for (size_t i = 1; i <= 8; ++i) {
    stats.playerTotals[i] = Fit<int32_t>(a[i]);
    stats.computerTotals[i] = Fit<int32_t>(a[8 + i]);
    stats.playerTally[i] = Fit<int16_t>(a[16 + i]);
    stats.computerTally[i] = Fit<int16_t>(a[24 + i]);
  }
  const std::vector<int64_t> b = Fields(statistics2, 44);
  for (size_t i = 1; i <= 26; ++i) stats.winMargins[i] = Fit<int16_t>(b[i - 1]);
  for (size_t i = 1; i <= 18; ++i) stats.handsPerGame[i] = Fit<int16_t>(b[25 + i]);
}

}  // namespace kestrel
