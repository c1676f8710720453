// Text of the activity-log records for a match, a game and a hand.
#include "stats/log_records.h"

#include "game/cards.h"

namespace kestrel {

namespace {
const char kCrLf[] = "\r\n";
}

std::string SignedNumber(long value) {
  std::string text(1, value < 0 ? '-' : '+');
  text += std::to_string(value < 0 ? -value : value);
  return text;
}

std::string PadLeft(const std::string& text, size_t width) {
  return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

std::string PadRight(const std::string& text, size_t width) {
  return text.size() >= width ? text : text + std::string(width - text.size(), ' ');
}

std::string CardsText(const std::string& cards, const std::string& separator) {
  std::string out;
  for (unsigned char c : cards) out += CardName(c) + separator;
  return out;
}

std::string MatchStartHead(const std::string& playerName, long seedOrPointer) {
  return std::string(kCrLf) + " Seed/Pointer for match with " + playerName + ": " +
         std::to_string(seedOrPointer) + "  Cut(s): ";
}

std::string MatchCutText(int playerCard, int computerCard) {
  return CardName(playerCard) + CardName(computerCard) + " ";
}

std::string MatchStartRecord(const std::string& headAndCuts) {
  std::string text = headAndCuts;
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text + " " + kCrLf + kCrLf;
}

std::string GameStartRecord(const GameState& state, bool resuming, int resumeHand, bool dataFile,
                            long seedOrPointer, const std::string& playerName,
                            const std::string& dateTime) {
  std::string text;
  if (resuming) {
    text += " Resuming match from INI state for " + playerName;
    if (resumeHand > 1)
      text += std::string(dataFile ? " (pointer" : " (seed") + " from hand " + std::to_string(resumeHand) + ")";
    text += std::string(".") + kCrLf + kCrLf;
  }
  text += " Game " + std::to_string(state.intGamesPlayed) + ": " + std::to_string(state.intPlayerMatchPoints) +
          "/" + std::to_string(state.intComputerMatchPoints) + " (" + SignedNumber(state.intPointDifferential) +
          ")" + (dataFile ? "  Pointer: " : "  Seed: ") + std::to_string(seedOrPointer) + "  " + dateTime +
          kCrLf + kCrLf;
  text += std::string(" # Opp Com          Pegging         ") + " Opponent Dscd  Cut Computer Dscd" + kCrLf;
  text += std::string(" - --- ---  ----------------------- ") + " -------- ----  --  -------- ----" + kCrLf;
  return text;
}

std::string HandLogLine(const GameState& state, bool gameOver) {
  auto side = [&](const std::string& hand, bool deals) {
    std::string kept = hand.substr(0, std::min<size_t>(4, hand.size()));
    std::string discards = hand.size() >= 6 ? hand.substr(4, 2) : std::string();
    return std::string(deals ? "." : " ") + CardsText(kept, "") + " " + CardsText(discards, "");
  };
  std::string text = PadLeft(std::to_string(state.intHandsDealt), 2) + " " +
                     PadLeft(std::to_string(state.intPlayerScore), 3) + " " +
                     PadLeft(std::to_string(state.intComputerScore), 3) + "  " +
                     PadRight(state.strPegLog.substr(0, 23), 23) + " " +
                     side(state.strPlayerHand, state.blnPlayerDeals) + "  " + CardsText(state.strStarter, "") +
                     " " + side(state.strComputerHand, !state.blnPlayerDeals) + kCrLf;
  if (gameOver) text += kCrLf;
  return text;
}

}  // namespace kestrel
