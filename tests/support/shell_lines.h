// The output lines of a shell command, for tests that read nm's listings.
#pragma once

#include <string>
#include <vector>

std::vector<std::string> Lines(const std::string& command);
