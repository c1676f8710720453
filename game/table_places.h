// Which card element shows which card, phase by phase: the lower row with
// both hands and the crib, the upper row with the cards played, the packs
// and the starter places.
#pragma once

#include <string>

#include "game/game_state.h"
#include "game/table_model.h"

namespace kestrel {

// Every lower place empty and hidden; both Go labels hidden.
void ClearLowerRow(TableModel& model);
// Every upper place empty and hidden; the count label hidden.
void ClearUpperRow(TableModel& model);
// Packs and starter places hidden and empty, then both rows cleared.
void ClearTable(TableModel& model);
// Draws `cards` into consecutive lower places from `firstPlace` (sorted by
// rank, then card number, when `sort`), face up ('F') or down ('B'); the
// card at index `selected` of the string as passed is drawn face down.
void ShowCards(TableModel& model, const std::string& cards, int firstPlace, char letter, int selected,
               bool sort);
// Lays out the sides asked for by the phase of the hand (phase 5 draws both).
void ShowHands(TableModel& model, const GameState& state, bool playerSide, bool computerSide, bool sort);
// Underlines the four lower places of what is counted: 0 the player's hand,
// 1 the crib, 2 the computer's hand.
void UnderlineCounted(TableModel& model, int what);
// The lower place (0..5) that shows the card at `position` of
// strPlayerHand, found from the image codes; -1 when none.
int PlaceOfHandCard(const TableModel& model, const GameState& state, int position);
// The position in strPlayerHand of the card shown at a lower place; -1
// when that place shows none of his cards.
int HandPositionOfPlace(const TableModel& model, const GameState& state, int place);
// The display order of a hand: ascending rank, then card number.
std::string SortedForDisplay(const std::string& cards);

}  // namespace kestrel
