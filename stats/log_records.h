// The activity-log records the match controller writes: the match start,
// the game start and the line of one hand. Pure text builders.
#pragma once

#include <string>

#include "game/game_state.h"

namespace kestrel {

// A value with its sign always shown ("+####0;-####0"): +37, +0, -5.
std::string SignedNumber(long value);
// Right- and left-justified in a field of blanks (never cut).
std::string PadLeft(const std::string& text, size_t width);
std::string PadRight(const std::string& text, size_t width);
// Cards in card notation, each followed by `separator`.
std::string CardsText(const std::string& cards, const std::string& separator);

// The opening of the match-start record, up to and including "  Cut(s): ".
std::string MatchStartHead(const std::string& playerName, long seedOrPointer);
// One cut (two cards) as it is added to the record: "7sKc ".
std::string MatchCutText(int playerCard, int computerCard);
// The finished record: trailing blanks trimmed, then " " CR LF CR LF.
std::string MatchStartRecord(const std::string& headAndCuts);

// The game-start record. `resumeHand` > 0 adds the resume line (with the
// hand number when above 1); `dateTime` is the date and time text.
std::string GameStartRecord(const GameState& state, bool resuming, int resumeHand, bool dataFile,
                            long seedOrPointer, const std::string& playerName,
                            const std::string& dateTime);

// The line of one hand; `gameOver` adds the empty line that ends a game.
std::string HandLogLine(const GameState& state, bool gameOver);

}  // namespace kestrel
