// The program's command line: switch tests and switch values.
#include "settings/command_line.h"

namespace kestrel {
namespace {

std::string Upper(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

}  // namespace

CommandLine::CommandLine(int argc, const char* const* argv) {
  for (int i = 1; i < argc; ++i) {
    if (i > 1) text_ += ' ';
    text_ += argv[i];
  }
}

bool CommandLine::Has(const std::string& switchText) const {
  return Upper(text_).find(Upper(switchText)) != std::string::npos;
}

std::string CommandLine::Value(const std::string& key) const {
  std::string probe(1, '/');
  probe += Upper(key);
  probe += '=';
  size_t at = Upper(text_).find(probe);
  if (at == std::string::npos) return {};
  std::string rest = text_.substr(at + probe.size());
  size_t a = rest.find_first_not_of(' ');
  if (a == std::string::npos) return {};
  rest = rest.substr(a);
  return rest.substr(0, rest.find_first_of(" \t;=/"));
}

}  // namespace kestrel
