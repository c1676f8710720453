// Player names and the recent-player list.
#include "settings/player_name.h"

namespace kestrel {
namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool IsAlnum(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); }

}  // namespace

std::string CleanPlayerName(const std::string& text) {
  size_t a = text.find_first_not_of(' ');
  size_t b = text.find_last_not_of(' ');
  std::string trimmed = a == std::string::npos ? std::string() : text.substr(a, b - a + 1);
  std::string out;
  for (char c : trimmed) {
    char d = IsAlnum(c) ? c : '-';
    if (d == '-' && out.empty()) continue;
    out += d;
  }
  if (out.size() > 8) out.resize(8);
  if (SamePlayer(out, "Global")) out.clear();
  return out;
}

bool SamePlayer(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (Lower(a[i]) != Lower(b[i])) return false;
  return true;
}

std::vector<std::string> SplitList(const std::string& list) {
  std::vector<std::string> out;
  size_t start = 0;
  while (true) {
    size_t comma = list.find(',', start);
    out.push_back(list.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return out;
}

std::vector<std::string> RecentPlayerMenu(const std::string& current, const std::string& storedList, size_t limit) {
  std::vector<std::string> items;
  if (!current.empty()) items.push_back(current);
  for (const std::string& entry : SplitList(storedList)) {
    std::string name = CleanPlayerName(entry);
    if (name.empty() || SamePlayer(name, current)) continue;
    if (items.size() + 1 > limit) continue;
    items.push_back(name);
  }
  if (items.empty()) items.push_back(kDefaultPlayer);
  return items;
}

}  // namespace kestrel
