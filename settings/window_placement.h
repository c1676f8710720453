// The window's size and whether it was maximised, kept between runs in the
// Global section of the settings file under a key of this program's own
// ("WindowPlacement"), which readers that do not know it ignore.
#pragma once

#include <optional>
#include <string>

#include "settings/settings_file.h"

namespace kestrel {

struct WindowPlacement {
  int clientWidth = 0;   // the client area in logical pixels
  int clientHeight = 0;
  bool maximised = false;
};

// "width height maximised", e.g. "1120 556 0".
std::string FormatWindowPlacement(const WindowPlacement& placement);
// Nothing for an empty, malformed or implausible value (the window then
// starts at its default size).
std::optional<WindowPlacement> ParseWindowPlacement(const std::string& text);

std::optional<WindowPlacement> ReadWindowPlacement(const SettingsFile& file);
bool WriteWindowPlacement(SettingsFile& file, const WindowPlacement& placement);

}  // namespace kestrel
