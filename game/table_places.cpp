// Card places on the table: image codes of the lower and upper rows by phase.
#include "game/table_places.h"

#include <utility>

#include "game/cards.h"

namespace kestrel {

std::string FaceUpCode(int card) { return std::string{'F', static_cast<char>(card)}; }
std::string FaceDownCode(int card) { return std::string{'B', static_cast<char>(card)}; }
std::string EmptyBackCode() { return std::string{'B', static_cast<char>(kNoCard)}; }

int CardOfCode(const std::string& code) {
  if (code.size() != 2 || (code[0] != 'F' && code[0] != 'B')) return -1;
  int card = static_cast<unsigned char>(code[1]);
  return card <= 51 ? card : -1;
}

void ClearLowerRow(TableModel& model) {
  for (auto& place : model.loCard) place = CardElement{};
  model.leftGoVisible = false;
  model.rightGoVisible = false;
  model.underlineVisible = false;
}

void ClearUpperRow(TableModel& model) {
  for (auto& place : model.hiCard) place = CardElement{};
  model.countVisible = false;
}

void ClearTable(TableModel& model) {
  model.leftBack = CardElement{};
  model.rightBack = CardElement{};
  model.leftCut = CardElement{};
  model.rightCut = CardElement{};
  ClearLowerRow(model);
  ClearUpperRow(model);
}

std::string SortedForDisplay(const std::string& cards) {
  std::string out = cards;
  auto before = [](unsigned char a, unsigned char b) {
    return CardRank(a) != CardRank(b) ? CardRank(a) < CardRank(b) : a < b;
  };
  for (size_t i = 0; i + 1 < out.size(); ++i)
    for (size_t j = 0; j + 1 < out.size() - i; ++j)
      if (before(out[j + 1], out[j])) std::swap(out[j], out[j + 1]);
  return out;
}

void ShowCards(TableModel& model, const std::string& cards, int firstPlace, char letter, int selected,
               bool sort) {
  const int selectedCard =
      selected >= 0 && selected < static_cast<int>(cards.size()) ? static_cast<unsigned char>(cards[selected]) : -1;
  const std::string shown = sort ? SortedForDisplay(cards) : cards;
  for (size_t i = 0; i < shown.size(); ++i) {
    const int place = firstPlace + static_cast<int>(i);
    if (place < 0 || place >= static_cast<int>(model.loCard.size())) continue;
    const int card = static_cast<unsigned char>(shown[i]);
    const char l = card == selectedCard ? 'B' : letter;
    model.loCard[place].code = std::string{l, static_cast<char>(card)};
    model.loCard[place].visible = true;
  }
}

void ShowHands(TableModel& model, const GameState& state, bool playerSide, bool computerSide, bool sort) {
  const std::string& h = state.strPlayerHand;
  const std::string& c = state.strComputerHand;
  auto first = [](const std::string& s, int n) { return s.substr(0, std::min<size_t>(n < 0 ? 0 : n, s.size())); };
  auto last2 = [](const std::string& s) { return s.size() >= 2 ? s.substr(s.size() - 2) : std::string(); };
  switch (state.intPhase) {
    case 1:
      if (playerSide) ShowCards(model, h, 0, 'F', -1, sort);
      if (computerSide) ShowCards(model, c, 6, 'B', -1, sort);
      break;
    case 2:
      if (playerSide) ShowCards(model, h, 0, 'F', state.intSelectedCard, sort);
      if (computerSide) {
        ShowCards(model, first(c, 4), 8, 'B', -1, sort);
        ShowCards(model, last2(c), 6, 'B', -1, sort);
      }
      break;
    case 3:
      if (playerSide) {
        ShowCards(model, first(h, 4), 0, 'F', -1, sort);
        ShowCards(model, last2(h), 4, 'B', -1, sort);
      }
      if (computerSide) {
        ShowCards(model, first(c, 4), 8, 'B', -1, sort);
        ShowCards(model, last2(c), 6, 'B', -1, sort);
      }
      break;
    case 4:
      if (playerSide) {
        ShowCards(model, first(h, state.intPlayerCardsLeft), 0, 'F', -1, sort);
        ShowCards(model, last2(h), 4, 'B', -1, sort);
      }
      if (computerSide) {
        ShowCards(model, first(c, state.intComputerCardsLeft), 12 - state.intComputerCardsLeft, 'B', -1, sort);
        ShowCards(model, last2(c), 6, 'B', -1, sort);
      }
      break;
    case 5:
      ShowCards(model, first(h, 4), 0, 'F', -1, sort);
      ShowCards(model, last2(h) + last2(c), 4, 'F', -1, sort);
      ShowCards(model, first(c, 4), 8, 'F', -1, sort);
      break;
    default: break;
  }
}

void UnderlineCounted(TableModel& model, int what) {
  model.underlineFirstPlace = 4 * what;
  model.underlineVisible = true;
}

int PlaceOfHandCard(const TableModel& model, const GameState& state, int position) {
  if (position < 0 || position >= static_cast<int>(state.strPlayerHand.size())) return -1;
  const int card = static_cast<unsigned char>(state.strPlayerHand[position]);
  for (int place = 0; place < 6; ++place)
    if (CardOfCode(model.loCard[place].code) == card) return place;
  return -1;
}

int HandPositionOfPlace(const TableModel& model, const GameState& state, int place) {
  if (place < 0 || place >= static_cast<int>(model.loCard.size())) return -1;
  const int card = CardOfCode(model.loCard[place].code);
  if (card < 0) return -1;
  const size_t pos = state.strPlayerHand.find(static_cast<char>(card));
  return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

}  // namespace kestrel
