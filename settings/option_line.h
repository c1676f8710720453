// The one-line description of an option, as the settings summary and the
// activity log write it: " Hints (Mouse Icon): On", " 2-4-6 Weights.",
// " When Computer Wins: tada.wav".
#pragma once

#include <string>

#include "settings/option_items.h"
#include "settings/options.h"

namespace kestrel {

// What a menu item looks like at the moment it is described.
struct OptionItemView {
  std::string caption;
  bool marker = false;     // carries the On/Off marker (the check-mark options)
  bool checked = false;
  bool readError = false;  // Card Source: the data file could not be read (else its end was reached)
};

// The line for a menu item: a blank, the caption without its first "&",
// "..." and " (below)", then ": " and the item's value, or "." when it has
// none; CR LF. The value comes from the player's options and name.
std::string OptionLine(const OptionItemView& item, const Options& options, const std::string& playerName);

// The line for a card of the deck view: " Dog Ear for 8s: On" or ": Off".
std::string DogEarLine(int card, const Options& options);

// The views of the items the program describes by their place.
OptionItemView CheckItem(CheckOption option, const Options& options);
OptionItemView GroupItem(OptionGroup group, int index);

// The label of a caption: its first "&", first "..." and first " (below)" removed.
std::string OptionLabel(const std::string& caption);

}  // namespace kestrel
