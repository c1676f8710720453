// The per-player option values, their defaults, and the 16-field "Options"
// record in which they are stored.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kestrel {

enum class ScoringMistakes : int16_t { Friendly = 0, Penalties = 1, Muggins = 2 };
enum class GameLength : int16_t { Normal = 0, Short = 1, EndGamePractice = 2 };
enum class FirstDealer : int16_t { LoserDeals = 0, Alternate = 1, PlayerAlways = 2, ComputerAlways = 3 };

struct Options {
  // The five check marks (stored as 1/0).
  bool blnHints = true;
  bool blnDetails = true;
  bool blnAutoplay = true;
  bool blnAutoscore = true;
  bool blnSort = true;
  // Not stored: off at every start.
  bool blnNonStop = false;
  // Radio groups: the zero-based item index. Values read from the file are
  // not range-checked; each group's apply step mends them.
  int16_t intWeights = 0;
  int16_t intPenalty = 0;
  int16_t intGameLength = 0;
  int16_t intFirstDealer = 0;
  int16_t intCardSource = 0;
  int16_t intLogLevel = 0;
  int16_t intDeckStyle = 0;
  int16_t intPatter = 1;
  int16_t intSounds = 1;
  int16_t intBackgroundIndex = 0;
  // Computer Opponent: 0 Easy, 1 Standard (the default), 2 Expert. Stored in
  // the player's "Opponent" key, not in the "Options" record.
  int16_t intOpponent = 1;
  // Card source and files.
  int32_t lngSeedOrPointer = 0;
  std::string strDataFile;
  std::string strLogFile;
  std::string strCardBackFile;
  std::string strPatterFile;
  std::string strWinSound;
  std::string strLossSound;
  // The dog-eared cards (numbers 0..51), in order.
  std::string strMarkedCards{"\x07\x17\x1e\x28", 4};

  ScoringMistakes Penalty() const { return static_cast<ScoringMistakes>(intPenalty); }
};

// Sets the stored option fields (seed and fields 2..16) from an "Options"
// record; returns false (and changes nothing) when the text is empty.
bool ParseOptionsRecord(const std::string& record, Options& options);
// The 16-field record: seed, five check marks, ten choice indexes.
std::string FormatOptionsRecord(const Options& options);

// Number lists: fields separated by commas, each converted by its leading
// decimal number; a field that does not fit 16 bits gives 0; missing fields
// give 0.
std::vector<int32_t> ParseNumberList(const std::string& text, size_t fields, bool firstIs32Bit = false);
// Leading-number conversion of one field: blanks skipped, the longest leading
// decimal number taken (with sign), anything else 0. Saturation is the
// caller's business: the result is clamped to int64 range.
int64_t LeadingNumber(const std::string& text);

// The "DogEars" value: up to 13 numbers; each v of 1..52 adds card v-1 to
// the set (once), others are skipped.
std::string ParseDogEars(const std::string& text);
// The card numbers plus one joined by commas, or "0" for an empty set.
std::string FormatDogEars(const std::string& cards);

// "Easy", "Standard" or "Expert"; an unknown value is Standard.
const char* OpponentName(int16_t intOpponent);
// The settings text's and the log's line for the Computer Opponent choice:
// a blank, "Computer Opponent: ", the level's name, CR LF.
std::string OpponentOptionLine(int16_t intOpponent);
// The "Opponent" key's value: 0, 1 or 2; empty, unreadable or out of range
// gives Standard (1).
int16_t ParseOpponent(const std::string& text);

// Every stored option to its default, with a fresh random seed 0..134217727.
// (The patter texts and the statistics have resets of their own.)
void ResetDefaults(Options& options);

}  // namespace kestrel
