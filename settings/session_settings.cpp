// The current-session-settings summary, built from the option values with
// the menu captions the window shows.
#include "settings/session_settings.h"

#include <array>

namespace kestrel {

namespace {

const char kCrLf[] = "\r\n";

// An Options menu item as the summary sees it: its caption, whether it is a
// check-mark item (printed On or Off) and whether it is checked.
struct Item {
  std::string caption;
  bool checkMark = false;
  bool checked = false;
};

void RemoveFirst(std::string& text, const std::string& part) {
  const size_t at = text.find(part);
  if (at != std::string::npos) text.erase(at, part.size());
}

bool Contains(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

// The line of one item: the caption without its first "&", "..." and
// " (below)"; then ": " and the value, or "." when the item has none.
std::string ItemLine(const Item& item, const Options& o) {
  std::string label = item.caption;
  RemoveFirst(label, "&");
  RemoveFirst(label, "...");
  RemoveFirst(label, " (below)");
  bool hasValue = true;
  std::string value;
  if (Contains(label, "Log File")) value = o.strLogFile;
  else if (Contains(label, "Custom Back")) value = o.strCardBackFile;
  else if (Contains(label, "Data File")) value = o.strDataFile;
  else if (Contains(label, "Custom Text")) value = o.strPatterFile;
  else if (Contains(label, "Wins")) value = o.strWinSound;
  else if (Contains(label, "Loses")) value = o.strLossSound;
  else if (item.checkMark) value = item.checked ? "On" : "Off";
  else hasValue = false;
  // A file setting that is not set reads like an item without a value.
  if (hasValue && value.empty()) hasValue = false;
  return " " + label + (hasValue ? ": " + value : std::string(".")) + kCrLf;
}

// The checked item of a radio group; an out-of-range value reads as item 0,
// as the group's apply step would leave it.
template <size_t N>
Item Chosen(const std::array<const char*, N>& captions, int value) {
  if (value < 0 || value >= static_cast<int>(N)) value = 0;
  return Item{captions[static_cast<size_t>(value)]};
}

const std::array<const char*, 4> kWeights = {"2-3-4 Weights", "2-4-6 Weights", "2-3-3 Weights", "2-4-4 Weights"};
const std::array<const char*, 3> kPenalty = {"&Friendly Corrections", "&Penalties but No Muggins",
                                             "Penalties and &Muggins"};
const std::array<const char*, 3> kLength = {"&Normal Game (121 Points)", "&Short Game (61 Points)",
                                            "&End Game Practice"};
const std::array<const char*, 4> kFirst = {"&Loser Deals", "&Alternate First Deals", "&Player Always First",
                                           "&Computer Always First"};
const std::array<const char*, 2> kSource = {"&Default Sequence", "Card Data &File..."};
const std::array<const char*, 3> kLog = {"&Disable Logging", "Log &Games Only", "Log Games and &Messages"};
const std::array<const char*, 3> kDeck = {"&Default Deck", "Dog &Ear Deck", "&Custom Back..."};
const std::array<const char*, 3> kBackground = {"Default &Green", "Windows 95 &Cyan", "Gray for &Printing"};

// Patter and sounds read an out-of-range value as 1, their default.
int DefaultOne(int value) { return value < 0 || value > 2 ? 1 : value; }
const std::array<const char*, 3> kPatter = {"&Hide Patter", "&Default Patter", "&Custom Patter..."};
const std::array<const char*, 3> kSounds = {"Disable &Sounds", "&Default Sounds", "&Custom Sounds (below)"};

const char* AltLibraryUse(int value) {
  switch (value & 3) {
    case 1: return "Player hints/autoplay";
    case 2: return "Computer decisions";
    default: return "All decisions";
  }
}

}  // namespace

std::string SessionSettingsText(const Options& o, const GameState& state, bool locked) {
  std::string text = std::string(" Current session settings") + (locked ? " (locked)" : "") + " follow." + kCrLf + kCrLf;
  if (state.intUseAltLibrary != 0)
    text += std::string(" Alternate DLL use: ") + AltLibraryUse(state.intUseAltLibrary) + kCrLf;
  if (state.blnAllowMultipleInstances) text += std::string(" Allow Multiple Instances: On") + kCrLf;
  if (state.blnAllowCtrlF10 && o.blnAutoplay && o.blnAutoscore) text += std::string(" Allow Ctrl-F10: On") + kCrLf;

  const Item items[] = {
      {"&Hints (Mouse Icon)", true, o.blnHints},  {"Scoring &Details", true, o.blnDetails},
      {"Allow Auto&play", true, o.blnAutoplay},   {"Allow Auto&score", true, o.blnAutoscore},
      {"S&ort Hands", true, o.blnSort},           Chosen(kWeights, o.intWeights),
      Chosen(kPenalty, o.intPenalty),             Chosen(kLength, o.intGameLength),
      Chosen(kFirst, o.intFirstDealer),           Chosen(kSource, o.intCardSource),
      Chosen(kLog, o.intLogLevel),
  };
  for (const Item& item : items) text += ItemLine(item, o);
  if (o.intLogLevel >= 1 && o.intLogLevel <= 2) text += ItemLine(Item{"&Log File Name..."}, o);
  text += ItemLine(Chosen(kDeck, o.intDeckStyle), o);
  text += ItemLine(Item{kPatter[static_cast<size_t>(DefaultOne(o.intPatter))]}, o);
  const int sounds = DefaultOne(o.intSounds);
  text += ItemLine(Item{kSounds[static_cast<size_t>(sounds)]}, o);
  if (sounds == 2) {
    text += ItemLine(Item{"When Computer &Wins..."}, o);
    text += ItemLine(Item{"When Computer &Loses..."}, o);
  }
  text += ItemLine(Chosen(kBackground, o.intBackgroundIndex), o);
  return text;
}

}  // namespace kestrel
