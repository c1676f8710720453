// Option lines.
#include "settings/option_line.h"

#include "game/cards.h"

namespace kestrel {
namespace {

void EraseFirst(std::string& text, const std::string& part) {
  const size_t at = text.find(part);
  if (at != std::string::npos) text.erase(at, part.size());
}

bool Has(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

}  // namespace

std::string OptionLabel(const std::string& caption) {
  std::string label = caption;
  EraseFirst(label, "&");
  EraseFirst(label, "...");
  EraseFirst(label, " (below)");
  return label;
}

std::string OptionLine(const OptionItemView& item, const Options& o, const std::string& playerName) {
  const std::string label = OptionLabel(item.caption);
  std::string value;
  if (Has(label, "Source"))
    value = std::string("Reverting to default sequence") + (item.readError ? " (file open/read error)" : " (EOF reached)");
  else if (Has(label, "New Player"))
    value = playerName;
  // The seed item is captioned "New Seed or Pointer"; its value is the seed.
  else if (Has(label, "Set Seed") || Has(label, "New Seed"))
    value = std::to_string(o.lngSeedOrPointer);
  else if (Has(label, "Log File"))
    value = o.strLogFile;
  else if (Has(label, "Custom Back"))
    value = o.strCardBackFile;
  else if (Has(label, "Data File"))
    value = o.strDataFile;
  else if (Has(label, "Custom Text"))
    value = o.strPatterFile;
  else if (Has(label, "Wins"))
    value = o.strWinSound;
  else if (Has(label, "Loses"))
    value = o.strLossSound;
  else if (item.marker)
    value = item.checked ? "On" : "Off";
  return " " + label + (value.empty() ? std::string(".") : ": " + value) + "\r\n";
}

std::string DogEarLine(int card, const Options& o) {
  return " Dog Ear for " + CardName(card) + ": " + (o.strMarkedCards.find(static_cast<char>(card)) != std::string::npos ? "On" : "Off") + "\r\n";
}

OptionItemView CheckItem(CheckOption option, const Options& o) {
  OptionItemView item;
  item.caption = kCheckCaptions[static_cast<size_t>(option)];
  item.marker = true;
  switch (option) {
    case CheckOption::Hints: item.checked = o.blnHints; break;
    case CheckOption::Details: item.checked = o.blnDetails; break;
    case CheckOption::Autoplay: item.checked = o.blnAutoplay; break;
    case CheckOption::Autoscore: item.checked = o.blnAutoscore; break;
    case CheckOption::Sort: item.checked = o.blnSort; break;
  }
  return item;
}

OptionItemView GroupItem(OptionGroup group, int index) {
  OptionItemView item;
  item.caption = GroupCaption(group, index);
  return item;
}

}  // namespace kestrel
