// The patter table: the computer's remark for each of the 56 situations, its
// key and default text, and the text a message line carries for a slot.
#pragma once

#include <array>
#include <string>

namespace kestrel {

inline constexpr int kPatterSlots = 56;

// Situation numbers the match controller uses.
enum PatterSituation : int {
  kPatterMatchCut = 5,
  kPatterMatchCutTie = 6,
  kPatterMatchCutRed = 7,
  kPatterMatchCutGreen = 8,
  kPatterMatchCutGreenAceDeuce = 9,
  kPatterGreenCut = 10,
  kPatterRedCut = 11,
  kPatterGreenThrow = 12,
  kPatterRedThrow = 13,
  kPatterGreenPeg6_11 = 14,
  kPatterGreenPeg12Plus = 15,
  kPatterGreenHand0 = 16,
  kPatterGreenCrib0 = 21,
  kPatterUnderPegMuggins = 26,
  kPatterUnderPegPenalty = 27,
  kPatterUnderPegFriendly = 28,
  kPatterOverPegPenalty = 29,
  kPatterOverPegFriendly = 30,
  kPatterRedNobs = 31,
  kPatterRedPeg6_11 = 32,
  kPatterRedPeg12Plus = 33,
  kPatterRedHand0 = 34,
  kPatterRedCrib0 = 39,
  kPatterGreenWinBy1 = 44,
  kPatterRedWinBy1 = 49,
};

// The key of a slot ("ViewOrMark" ... "RedWinBy61Plus") and its default text.
const char* PatterKey(int slot);
const char* DefaultPatterText(int slot);

class PatterTable {
 public:
  PatterTable() { LoadDefaultPatter(); }
  // Every slot back to its default text.
  void LoadDefaultPatter();
  // Sets one slot's text (a custom patter file line).
  void SetText(int slot, const std::string& text);
  // The slot's bare text.
  const std::string& Text(int slot) const;

 private:
  std::array<std::string, kPatterSlots> texts_;
};

// A message line: what the player is asked, and the computer's remark for
// the situation with its slot, so that a refreshed patter text can replace
// the remark later.
struct MessageLine {
  std::string text;
  std::string patter;
  int patterSlot = -1;  // -1: no remark
  MessageLine() = default;
  MessageLine(std::string message) : text(std::move(message)) {}
  MessageLine(const char* message) : text(message) {}
};
// A message with the patter of a situation.
MessageLine WithPatter(const std::string& message, const PatterTable& patter, int slot);
// The line with its remark replaced by the current text of the same slot;
// unchanged when it carries none.
MessageLine RefreshPatterLine(const MessageLine& line, const PatterTable& patter);
// The visible message line: the message, and on a second line the remark
// when `withPatter`.
std::string VisibleMessage(const MessageLine& line, bool withPatter);

}  // namespace kestrel
