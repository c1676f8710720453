// Captions of the radio groups of the Options menu.
#include "settings/option_items.h"

namespace kestrel {
namespace {

template <size_t N>
std::string Pick(const std::array<const char*, N>& captions, int index) {
  return index >= 0 && index < static_cast<int>(N) ? captions[static_cast<size_t>(index)] : "";
}

}  // namespace

int GroupSize(OptionGroup group) {
  switch (group) {
    case OptionGroup::Weights: return static_cast<int>(kWeightsCaptions.size());
    case OptionGroup::Penalty: return static_cast<int>(kPenaltyCaptions.size());
    case OptionGroup::Length: return static_cast<int>(kLengthCaptions.size());
    case OptionGroup::FirstDealer: return static_cast<int>(kFirstDealerCaptions.size());
    case OptionGroup::Source: return static_cast<int>(kSourceCaptions.size());
    case OptionGroup::Log: return static_cast<int>(kLogCaptions.size());
    case OptionGroup::DeckStyle: return static_cast<int>(kDeckStyleCaptions.size());
    case OptionGroup::Patter: return static_cast<int>(kPatterCaptions.size());
    case OptionGroup::Sounds: return static_cast<int>(kSoundsCaptions.size());
    case OptionGroup::Background: return static_cast<int>(kBackgroundCaptions.size());
    case OptionGroup::Opponent: return static_cast<int>(kOpponentCaptions.size());
  }
  return 0;
}

std::string GroupCaption(OptionGroup group, int index) {
  switch (group) {
    case OptionGroup::Weights: return Pick(kWeightsCaptions, index);
    case OptionGroup::Penalty: return Pick(kPenaltyCaptions, index);
    case OptionGroup::Length: return Pick(kLengthCaptions, index);
    case OptionGroup::FirstDealer: return Pick(kFirstDealerCaptions, index);
    case OptionGroup::Source: return Pick(kSourceCaptions, index);
    case OptionGroup::Log: return Pick(kLogCaptions, index);
    case OptionGroup::DeckStyle: return Pick(kDeckStyleCaptions, index);
    case OptionGroup::Patter: return Pick(kPatterCaptions, index);
    case OptionGroup::Sounds: return Pick(kSoundsCaptions, index);
    case OptionGroup::Background: return Pick(kBackgroundCaptions, index);
    case OptionGroup::Opponent: return Pick(kOpponentCaptions, index);
  }
  return "";
}

}  // namespace kestrel
