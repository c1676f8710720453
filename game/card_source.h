// Where the cards come from: the default sequence stepped by the engine's
// RandSeed from a 32-bit seed, or a card data file read one byte per card
// from a pointer. When the file cannot be read or runs out, the source
// reverts to the default sequence with the pointer as the seed.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "game/host.h"
#include "settings/options.h"

namespace kestrel {

class CardSource {
 public:
  using RandSeedFn = std::function<int32_t(int32_t)>;

  // The source kind, seed or pointer and data file are the player's options
  // (intCardSource, lngSeedOrPointer, strDataFile) and are updated in place.
  CardSource(Options& options, RandSeedFn randSeed);

  // The busy pointer while a data file is read, and the menu checks
  // refreshed (Host::OptionsChanged) when a deal reverted to the default
  // sequence.
  void SetHost(Host* host) { host_ = host; }
  // Called when a deal reverted from the data file to the default sequence,
  // with the text for the log ("Reverting to default sequence" and the
  // reason).
  void SetReversionHandler(std::function<void(const std::string&)> fn) { reverted_ = std::move(fn); }

  // n different cards (n at most 52), in drawing order.
  std::string DrawCards(int n);

  // The same cards DrawCards would give, without moving the source on and
  // without reporting a reversion (for the saved match's check value).
  std::string PeekCards(int n);

  // The panel's texts.
  std::string SourcePrompt() const;  // first message: depends on the source
  static const char* const kSeedMessage2;
  static const char* const kSeedMessage3;
  static const char* const kSeedWaitMessage;

  // A new seed or pointer typed into the panel.
  struct SeedEntry {
    enum Outcome { kUnchanged, kChanged, kInvalid } outcome = kUnchanged;
    int32_t value = 0;
    std::string message;  // for kInvalid: the information box's text
  };
  SeedEntry CheckSeedEntry(const std::string& text) const;
  // Checks and, when valid, stores the value.
  SeedEntry ApplySeedEntry(const std::string& text);

  // The length of the data file in bytes; 0 when it cannot be read.
  int64_t DataFileLength() const;

 private:
  class DataFile;
  int NextCard(DataFile& file);

  Options& options_;
  RandSeedFn randSeed_;
  Host* host_ = nullptr;
  std::function<void(const std::string&)> reverted_;
  int64_t budget_ = 0;
};

// Options > Card Source > Default Sequence: the seed or pointer stays as it
// is. True when the source changed.
bool UseDefaultSequence(Options& options);
// Options > Card Source > Card Data File: the file is asked for through the
// host; a chosen file is read from its first byte, a cancelled dialog
// changes nothing. True when a file was chosen.
bool ChooseDataFile(Options& options, Host& host);

// "Reverting to default sequence" with " (file open/read error)" or
// " (EOF reached)".
std::string ReversionText(bool readError);

}  // namespace kestrel
