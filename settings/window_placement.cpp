// The remembered window size.
#include "settings/window_placement.h"

#include <sstream>

namespace kestrel {

namespace {
constexpr char kPlacementKey[] = "WindowPlacement";
constexpr int kLargest = 32767;
}  // namespace

std::string FormatWindowPlacement(const WindowPlacement& placement) {
  return std::to_string(placement.clientWidth) + " " + std::to_string(placement.clientHeight) + " " +
         (placement.maximised ? "1" : "0");
}

std::optional<WindowPlacement> ParseWindowPlacement(const std::string& text) {
  std::istringstream in(text);
  long width = 0, height = 0, maximised = -1;
  std::string rest;
  if (!(in >> width >> height >> maximised) || (in >> rest)) return std::nullopt;
  if (width < 1 || height < 1 || width > kLargest || height > kLargest) return std::nullopt;
  if (maximised != 0 && maximised != 1) return std::nullopt;
  return WindowPlacement{static_cast<int>(width), static_cast<int>(height), maximised == 1};
}

std::optional<WindowPlacement> ReadWindowPlacement(const SettingsFile& file) {
  return ParseWindowPlacement(file.ReadIniString(kGlobalSection, kPlacementKey));
}

bool WriteWindowPlacement(SettingsFile& file, const WindowPlacement& placement) {
  return file.WriteIniString(kGlobalSection, kPlacementKey, FormatWindowPlacement(placement));
}

}  // namespace kestrel
