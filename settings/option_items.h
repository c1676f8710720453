// The captions of the Options menu items, one table for the window that
// builds the menu and for the texts that describe an option (the settings
// summary and the activity log's option lines).
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace kestrel {

// The five check-mark items (they carry the On/Off marker) and Non-Stop Play.
enum class CheckOption { Hints, Details, Autoplay, Autoscore, Sort };
inline constexpr std::array<const char*, 5> kCheckCaptions = {
    "&Hints (Mouse Icon)", "Scoring &Details", "Allow Auto&play", "Allow Auto&score", "S&ort Hands"};
inline constexpr char kNonStopCaption[] = "Non-Stop Play";

// Radio groups, by the zero-based value their option stores.
enum class OptionGroup { Weights, Penalty, Length, FirstDealer, Source, Log, DeckStyle, Patter, Sounds, Background, Opponent };

inline constexpr std::array<const char*, 4> kWeightsCaptions = {"2-3-4 Weights", "2-4-6 Weights", "2-3-3 Weights",
                                                                "2-4-4 Weights"};
inline constexpr std::array<const char*, 3> kPenaltyCaptions = {"&Friendly Corrections", "&Penalties but No Muggins",
                                                                "Penalties and &Muggins"};
inline constexpr std::array<const char*, 3> kLengthCaptions = {"&Normal Game (121 Points)", "&Short Game (61 Points)",
                                                               "&End Game Practice"};
inline constexpr std::array<const char*, 4> kFirstDealerCaptions = {"&Loser Deals", "&Alternate First Deals",
                                                                    "&Player Always First", "&Computer Always First"};
inline constexpr std::array<const char*, 2> kSourceCaptions = {"&Default Sequence", "Card Data &File..."};
inline constexpr std::array<const char*, 3> kLogCaptions = {"&Disable Logging", "Log &Games Only",
                                                            "Log Games and &Messages"};
inline constexpr std::array<const char*, 3> kDeckStyleCaptions = {"&Default Deck", "Dog &Ear Deck", "&Custom Back..."};
inline constexpr std::array<const char*, 3> kPatterCaptions = {"&Hide Patter", "&Default Patter", "&Custom Patter..."};
inline constexpr std::array<const char*, 3> kSoundsCaptions = {"Disable &Sounds", "&Default Sounds",
                                                               "&Custom Sounds (below)"};
inline constexpr std::array<const char*, 3> kBackgroundCaptions = {"Default &Green", "Windows 95 &Cyan",
                                                                   "Gray for &Printing"};
inline constexpr std::array<const char*, 3> kOpponentCaptions = {"&Easy", "&Standard", "E&xpert"};

// The other items of the Options menu and its submenus.
inline constexpr char kCardSourceCaption[] = "&Card Source";
inline constexpr char kSetSeedCaption[] = "&New Seed or Pointer";
inline constexpr char kLogNameCaption[] = "&Log File Name...";
inline constexpr char kStyleSaveCaption[] = "Save &Template As...";
inline constexpr char kStyleViewCaption[] = "View or &Mark Deck";
inline constexpr char kPatterSaveCaption[] = "&Save Template As...";
inline constexpr char kSoundsWinCaption[] = "When Computer &Wins...";
inline constexpr char kSoundsLossCaption[] = "When Computer &Loses...";
inline constexpr char kNewPlayerCaption[] = "&New Player";

// The number of items of a radio group and the caption of one of them ("" for
// an index outside the group).
int GroupSize(OptionGroup group);
std::string GroupCaption(OptionGroup group, int index);

}  // namespace kestrel
