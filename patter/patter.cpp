// The default patter texts, their keys, and the message-line helpers.
#include "patter/patter.h"

#include <cstdlib>

namespace kestrel {

namespace {

struct Entry {
  const char* key;
  const char* text;
};

constexpr Entry kEntries[kPatterSlots] = {
    {"ViewOrMark", "You think maybe I pulled a five out?"},
    {"ShowStatistics", "Maybe you wanna save this gem?"},
    {"SeedOrPointer", "Like it's really gonna help."},
    {"About", "Quit stalling and play."},
    {"NewPlayer", "More cannon fodder."},
    {"MatchCut", "Same stakes as last time, right?"},
    {"MatchCutTie", "Gonna be a close game if this keeps up."},
    {"MatchCutRed", "I suppose you're gonna wimp out and start over."},
    {"MatchCutGreen", "Dang!  You always seem to get first deal."},
    {"MatchCutGreenAceDeuce", "Nuts!  Even a deuce didn't help."},
    {"GreenCut", "Don't have all day."},
    {"RedCut", "I need a break here."},
    {"GreenThrow", "Throw something decent my way for a change."},
    {"RedThrow", "I've thrown the usual stones."},
    {"GreenPeg6_11", "Ouch!"},
    {"GreenPeg12Plus", "Where'd you find that card!"},
    {"GreenHand0", "Ha!  A 19-pointer!"},
    {"GreenHand1_3", "Garbage hand -- that's fair."},
    {"GreenHand15_19", "Beginner's luck!"},
    {"GreenHand20_24", "Lucky cut!"},
    {"GreenHand25_29", "Oooouuuucccchhhh!!!"},
    {"GreenCrib0", "Serves you right."},
    {"GreenCrib12_16", "You're making it tough on me."},
    {"GreenCrib17_20", "I've been burned!"},
    {"GreenCrib21_24", "Cut that out!"},
    {"GreenCrib25Plus", "In the crib, no less!!!"},
    {"UnderPegMuggins", "Muggins!"},
    {"UnderPegPenalty", "Asleep at the wheel!"},
    {"UnderPegFriendly", "Friendly game.  Yeech."},
    {"OverPegPenalty", "Thanks for the gift!"},
    {"OverPegFriendly", "Friendly game.  Sheesh."},
    {"RedNobs", "Couple extra never hurts."},
    {"RedPeg6_11", "Gotcha!"},
    {"RedPeg12Plus", "Top that!"},
    {"RedHand0", "I can't get a break!"},
    {"RedHand1_3", "Where are the good cards?"},
    {"RedHand15_19", "It's about time!"},
    {"RedHand20_24", "How do ya like them apples?"},
    {"RedHand25_29", "Ever seen that before!!!"},
    {"RedCrib0", "Where's a little help when you need it?"},
    {"RedCrib8_12", "Decent crib -- I'll take it."},
    {"RedCrib13_19", "That's what the crib is for!"},
    {"RedCrib20_24", "Skill carries the day!"},
    {"RedCrib25Plus", "In the crib, no less!!!"},
    {"GreenWinBy1", "Drat!"},
    {"GreenWinBy2_5", "Lucky!"},
    {"GreenWinBy6_30", "I'll get you next game!"},
    {"GreenWinBy31_60", "Change the deck!"},
    {"GreenWinBy61Plus", "Aaaarrrrgggghhhh!"},
    {"RedWinBy1", "I'll bet that stings!"},
    {"RedWinBy2_5", "Skill wins the close ones!"},
    {"RedWinBy6_27", "That the best you can play?"},
    {"RedWinBy28_30", "Moral victories don't get ya points!"},
    {"RedWinBy31_33", "I'm dancin' in the end zone!"},
    {"RedWinBy34_60", "Gimme some competition!"},
    {"RedWinBy61Plus", "Like takin' candy from a baby!"},
};

bool ValidSlot(int slot) { return slot >= 0 && slot < kPatterSlots; }

}  // namespace

const char* PatterKey(int slot) { return ValidSlot(slot) ? kEntries[slot].key : ""; }
const char* DefaultPatterText(int slot) { return ValidSlot(slot) ? kEntries[slot].text : ""; }

void PatterTable::LoadDefaultPatter() {
  for (int i = 0; i < kPatterSlots; ++i) texts_[i] = kEntries[i].text;
}

void PatterTable::SetText(int slot, const std::string& text) {
  if (ValidSlot(slot)) texts_[slot] = text;
}

const std::string& PatterTable::Text(int slot) const {
  static const std::string empty;
  return ValidSlot(slot) ? texts_[slot] : empty;
}

MessageLine WithPatter(const std::string& message, const PatterTable& patter, int slot) {
  MessageLine line(message);
  if (ValidSlot(slot)) {
    line.patter = patter.Text(slot);
    line.patterSlot = slot;
  }
  return line;
}

MessageLine RefreshPatterLine(const MessageLine& line, const PatterTable& patter) {
  return line.patterSlot < 0 ? line : WithPatter(line.text, patter, line.patterSlot);
}

std::string VisibleMessage(const MessageLine& line, bool withPatter) {
  if (!withPatter || line.patterSlot < 0) return line.text;
  return line.text + "\r" + line.patter;
}

}  // namespace kestrel
