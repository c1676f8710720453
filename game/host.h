// The one narrow interface through which the core reaches the screen, the
// user and the platform. The window implements it; tests and the headless
// runner implement it with a scripted user or the program's own automatic
// actions.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kestrel {

struct TableModel;

enum class MessageIcon { None, Information, Exclamation, Critical, Question };

class Host {
 public:
  virtual ~Host() = default;

  // The table model changed; `parts` (TablePart bits) says roughly what. The
  // window repaints from the model; it must not call back into the game.
  virtual void Redraw(const TableModel& model, unsigned parts) = 0;

  // Dispatches pending window events while a wait is pending. With
  // `mayBlock` true the call blocks until at least one event has been
  // handled (or the half-second deck animation tick passed), so a waiting
  // game uses no CPU; with false it only handles what is already queued
  // (Non-Stop Play). Input handlers run in here and answer the wait through
  // the controller's input functions (ClickLowerPlace, DropBackPeg,
  // PressButton, NewMatch ...).
  virtual void PumpEvents(bool mayBlock) = 0;

  // A message box titled `title`. For MessageIcon::Question it offers Yes and
  // No and returns true for Yes; otherwise it has OK and returns true. It
  // shows with the normal pointer, also while the core is busy.
  virtual bool MessageBox(const std::string& text, const std::string& title, MessageIcon icon) = 0;

  // Common file dialogs; `filter` as "Text files (*.txt) All files (*.*)".
  // Return the chosen path, or "" on cancel.
  virtual std::string OpenFileDialog(const std::string& title, const std::string& filter,
                                     const std::string& defaultExt, const std::string& startName,
                                     bool mustExist) = 0;
  virtual std::string SaveFileDialog(const std::string& title, const std::string& filter,
                                     const std::string& defaultExt, const std::string& startName) = 0;

  // Sounds, played asynchronously from memory. PlayWave starts a PCM WAV
  // image (the host keeps its own copy) in place of whatever plays and
  // returns whether it is really playing. StopSound silences whatever plays
  // and returns false when there is no sound output at all. Neither blocks.
  virtual bool PlayWave(const std::vector<uint8_t>& image) = 0;
  virtual bool StopSound() = 0;
  virtual void Beep() = 0;

  // The busy (hourglass) pointer around the computer's decisions and a data
  // file read: on or off, not a count (a second "on" changes nothing).
  virtual void SetBusy(bool busy) = 0;

  // An option value was changed by the core itself (logging switched off
  // after a write failure, Non-Stop Play switched off after 1000 games):
  // refresh menu check marks.
  virtual void OptionsChanged() = 0;

  // The window's steps of the restore sequence, after a player's options
  // were loaded: load the card back of the deck style (a custom back that
  // cannot be loaded sets the style to the default deck and empties its file
  // setting), size the message line for the patter option, recolour the
  // table for the background option.
  virtual void ApplyCardBack() {}
  virtual void ApplyPatterLayout() {}
  virtual void ApplyBackground() {}
};

// A host that does nothing: message boxes answer Yes/OK, dialogs cancel.
// Base for scripted and headless hosts.
class NullHost : public Host {
 public:
  void Redraw(const TableModel&, unsigned) override {}
  void PumpEvents(bool) override {}
  bool MessageBox(const std::string&, const std::string&, MessageIcon) override { return true; }
  std::string OpenFileDialog(const std::string&, const std::string&, const std::string&,
                             const std::string&, bool) override { return {}; }
  std::string SaveFileDialog(const std::string&, const std::string&, const std::string&,
                             const std::string&) override { return {}; }
  bool PlayWave(const std::vector<uint8_t>&) override { return false; }
  bool StopSound() override { return true; }
  void Beep() override {}
  void SetBusy(bool) override {}
  void OptionsChanged() override {}
};

}  // namespace kestrel
