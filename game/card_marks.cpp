// Marking and unmarking cards of the dog-ear deck.
#include "game/card_marks.h"

namespace kestrel {

namespace {
bool IsCard(int card) { return card >= 0 && card <= 51; }
}  // namespace

bool IsMarkedCard(const std::string& marked, int card) {
  return IsCard(card) && marked.find(static_cast<char>(card)) != std::string::npos;
}

MarkChange ToggleMarkedCard(std::string& marked, int card) {
  if (!IsCard(card)) return MarkChange::Refused;
  const auto at = marked.find(static_cast<char>(card));
  if (at != std::string::npos) {
    marked.erase(at, 1);
    return MarkChange::Removed;
  }
  if (marked.size() >= kMaxMarkedCards) return MarkChange::Refused;
  marked.push_back(static_cast<char>(card));
  return MarkChange::Added;
}

std::string CleanMarkedCards(const std::string& stored) {
  std::string clean;
  for (char ch : stored) {
    const int card = static_cast<unsigned char>(ch);
    if (!IsCard(card) || clean.find(ch) != std::string::npos) continue;
    if (clean.size() == kMaxMarkedCards) break;
    clean.push_back(ch);
  }
  return clean;
}

}  // namespace kestrel
