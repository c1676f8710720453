// The "Obnoxious Patter" menu: hide the remarks, use the default texts, load
// a custom patter file, save a template; and the apply and restore steps
// the restore sequence runs.
#pragma once

#include <functional>
#include <string>

namespace kestrel {

class Host;
class PatterTable;
struct Options;

class PatterChoices {
 public:
  // `refreshLine` puts the current text of the remark shown in the message
  // line there at once (the match controller's RefreshPatterLine).
  PatterChoices(Options& options, PatterTable& patter, Host& host, std::function<void()> refreshLine)
      : options_(options), patter_(patter), host_(host), refreshLine_(std::move(refreshLine)) {}

  // The apply step: an out-of-range value becomes 1 (default patter).
  void ApplyPatter();
  // At a restore (start-up, change of player): the default texts, then with
  // custom patter the file again; when that fails the default patter is
  // used and the file forgotten, silently. The remark on show follows.
  // Returns false when it fell back.
  bool RestorePatter();

  // Menu choices; each returns true when the setting changed (the caller
  // applies the menus and logs the change).
  bool Hide();
  bool UseDefault();
  bool ChooseCustom();
  // "Save Template As...": the texts in use, to a file the user names.
  void SaveTemplate();

 private:
  Options& options_;
  PatterTable& patter_;
  Host& host_;
  std::function<void()> refreshLine_;
  std::string templatePath_;  // the name last chosen in this run
};

}  // namespace kestrel
