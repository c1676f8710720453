// The current session settings text.
#include "settings/session_settings.h"

#include "settings/option_line.h"
#include "settings/options.h"

namespace kestrel {

std::string SessionSettingsText(const Options& o, const std::string& playerName, const GlobalSwitches& g,
                                bool locked) {
  std::string text = std::string(" Current session settings") + (locked ? " (locked)" : "") + " follow.\r\n\r\n";
  static const char* const kAltUse[] = {"", "Player hints/autoplay", "Computer decisions", "All decisions"};
  if ((g.intUseAltLibrary & 3) != 0) text += std::string(" Alternate DLL use: ") + kAltUse[g.intUseAltLibrary & 3] + "\r\n";
  if (g.blnAllowMultipleInstances) text += " Allow Multiple Instances: On\r\n";
  if (g.blnAllowCtrlF10 && o.blnAutoplay && o.blnAutoscore) text += " Allow Ctrl-F10: On\r\n";

  auto line = [&](const OptionItemView& item) { text += OptionLine(item, o, playerName); };
  auto checked = [&](OptionGroup group, int value) {
    // A value out of range is described as the item its apply step checks.
    line(GroupItem(group, value >= 0 && value < GroupSize(group) ? value : 0));
  };
  for (CheckOption c : {CheckOption::Hints, CheckOption::Details, CheckOption::Autoplay, CheckOption::Autoscore,
                        CheckOption::Sort})
    line(CheckItem(c, o));
  checked(OptionGroup::Weights, o.intWeights);
  checked(OptionGroup::Penalty, o.intPenalty);
  checked(OptionGroup::Length, o.intGameLength);
  checked(OptionGroup::FirstDealer, o.intFirstDealer);
  checked(OptionGroup::Source, o.intCardSource);
  checked(OptionGroup::Log, o.intLogLevel);
  if (o.intLogLevel != 0) line(OptionItemView{kLogNameCaption});
  checked(OptionGroup::DeckStyle, o.intDeckStyle);
  line(GroupItem(OptionGroup::Patter, o.intPatter >= 0 && o.intPatter <= 2 ? o.intPatter : 1));
  const int sounds = o.intSounds >= 0 && o.intSounds <= 2 ? o.intSounds : 1;
  line(GroupItem(OptionGroup::Sounds, sounds));
  if (sounds == 2) {
    line(OptionItemView{kSoundsWinCaption});
    line(OptionItemView{kSoundsLossCaption});
  }
  checked(OptionGroup::Background, o.intBackgroundIndex);
  text += OpponentOptionLine(o.intOpponent);
  return text;
}

std::string SessionSettingsText(const Options& options, const GameState& state, bool locked) {
  GlobalSwitches g;
  g.blnAllowCtrlF10 = state.blnAllowCtrlF10;
  g.blnAllowMultipleInstances = state.blnAllowMultipleInstances;
  g.intUseAltLibrary = state.intUseAltLibrary;
  return SessionSettingsText(options, "", g, locked);
}

}  // namespace kestrel
