// The program's command line: the switches "/LOCK" and "/OLDINIPATH", and
// the values "/Player=name" and "/Defaults=record". Switch names are matched
// without regard to case, anywhere on the line.
#pragma once

#include <string>

namespace kestrel {

class CommandLine {
 public:
  CommandLine() = default;
  explicit CommandLine(std::string text) : text_(std::move(text)) {}
  // The arguments after the program name, joined with blanks.
  CommandLine(int argc, const char* const* argv);

  const std::string& Text() const { return text_; }

  // True when the upper-cased line contains the switch (e.g. "/LOCK") anywhere.
  bool Has(const std::string& switchText) const;

  // The text after "/key=" (key matched without regard to case), blanks
  // trimmed, cut at the first blank, tab, ";", "=" or "/"; empty when absent.
  // The value keeps the case in which it was typed.
  std::string Value(const std::string& key) const;

  bool IsLocked() const { return Has("/LOCK"); }
  bool OldIniPath() const { return Has("/OLDINIPATH"); }

 private:
  std::string text_;
};

// The value of "/key=" on the command line (see CommandLine::Value).
inline std::string CommandLineValue(const CommandLine& commandLine, const std::string& key) {
  return commandLine.Value(key);
}

}  // namespace kestrel
