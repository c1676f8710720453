// The "Options" record and number lists.
#include "settings/options.h"

#include <cctype>
#include <cmath>
#include <chrono>
#include <limits>
#include <random>

namespace kestrel {

int64_t LeadingNumber(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    negative = text[i] == '-';
    ++i;
  }
  int64_t value = 0;
  bool any = false;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    any = true;
    if (value < std::numeric_limits<int64_t>::max() / 10 - 10) value = value * 10 + (text[i] - '0');
  }
  if (!any) return 0;
  return negative ? -value : value;
}

std::vector<int32_t> ParseNumberList(const std::string& text, size_t fields, bool firstIs32Bit) {
  std::vector<int32_t> out(fields, 0);
  size_t start = 0;
  for (size_t f = 0; f < fields && start <= text.size(); ++f) {
    size_t comma = text.find(',', start);
    std::string field = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    int64_t v = LeadingNumber(field);
    bool wide = firstIs32Bit && f == 0;
    int64_t lo = wide ? std::numeric_limits<int32_t>::min() : std::numeric_limits<int16_t>::min();
    int64_t hi = wide ? std::numeric_limits<int32_t>::max() : std::numeric_limits<int16_t>::max();
    out[f] = (v < lo || v > hi) ? 0 : static_cast<int32_t>(v);
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return out;
}

bool ParseOptionsRecord(const std::string& record, Options& o) {
  if (record.empty()) return false;
  std::vector<int32_t> v = ParseNumberList(record, 16, true);
  o.lngSeedOrPointer = v[0];
  o.blnHints = v[1] != 0;
  o.blnDetails = v[2] != 0;
  o.blnAutoplay = v[3] != 0;
  o.blnAutoscore = v[4] != 0;
  o.blnSort = v[5] != 0;
  o.intWeights = static_cast<int16_t>(v[6]);
  o.intPenalty = static_cast<int16_t>(v[7]);
  o.intGameLength = static_cast<int16_t>(v[8]);
  o.intFirstDealer = static_cast<int16_t>(v[9]);
  o.intCardSource = static_cast<int16_t>(v[10]);
  o.intLogLevel = static_cast<int16_t>(v[11]);
  o.intDeckStyle = static_cast<int16_t>(v[12]);
  o.intPatter = static_cast<int16_t>(v[13]);
  o.intSounds = static_cast<int16_t>(v[14]);
  o.intBackgroundIndex = static_cast<int16_t>(v[15]);
  return true;
}

std::string FormatOptionsRecord(const Options& o) {
  auto b = [](bool x) { return x ? std::string("1") : std::string("0"); };
  auto n = [](int x) { return std::to_string(x); };
  return n(o.lngSeedOrPointer) + "," + b(o.blnHints) + "," + b(o.blnDetails) + "," + b(o.blnAutoplay) + "," +
         b(o.blnAutoscore) + "," + b(o.blnSort) + "," + n(o.intWeights) + "," + n(o.intPenalty) + "," +
         n(o.intGameLength) + "," + n(o.intFirstDealer) + "," + n(o.intCardSource) + "," + n(o.intLogLevel) +
         "," + n(o.intDeckStyle) + "," + n(o.intPatter) + "," + n(o.intSounds) + "," + n(o.intBackgroundIndex);
}

std::string ParseDogEars(const std::string& text) {
  std::string set;
  for (int32_t v : ParseNumberList(text, 13)) {
    if (v < 1 || v > 52) continue;
    char card = static_cast<char>(v - 1);
    if (set.find(card) == std::string::npos) set += card;
  }
  return set;
}

std::string FormatDogEars(const std::string& cards) {
  if (cards.empty()) return "0";
  std::string out;
  for (char c : cards) {
    if (!out.empty()) out += ',';
    out += std::to_string(static_cast<unsigned char>(c) + 1);
  }
  return out;
}

const char* OpponentName(int16_t intOpponent) {
  switch (intOpponent) {
    case 0: return "Easy";
    case 2: return "Expert";
    default: return "Standard";
  }
}

std::string OpponentOptionLine(int16_t intOpponent) {
  return std::string(" Computer Opponent: ") + OpponentName(intOpponent) + "\r\n";
}

int16_t ParseOpponent(const std::string& text) {
  bool digits = false;
  for (char c : text) digits = digits || (c >= '0' && c <= '9');
  if (!digits) return 1;
  const int64_t v = LeadingNumber(text);
  return v >= 0 && v <= 2 ? static_cast<int16_t>(v) : int16_t{1};
}

void ResetDefaults(Options& options) {
  options = Options{};
  std::mt19937 gen(static_cast<uint32_t>(std::chrono::system_clock::now().time_since_epoch().count()) ^
                   std::random_device{}());
  double fraction = std::uniform_real_distribution<double>(0.0, 1.0)(gen);
  options.lngSeedOrPointer = static_cast<int32_t>(std::lround(fraction * 134217727.0));
}

}  // namespace kestrel
