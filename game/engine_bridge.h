// The program's side of the engine: binds the six exports of
// libOsprey32.so by name at their first call, redirects the two decisions to
// libPetrel32.so where "UsePetrelDLL" asks for it (falling back to Osprey32
// for the rest of the run, with one message, when Petrel32 fails), builds
// the card strings the exports take and turns their results into positions
// that are always legal.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "engine/osprey32.h"
#include "game/decisions.h"
#include "game/game_state.h"
#include "game/host.h"
#include "game/shared_library.h"

namespace kestrel {

inline constexpr char kOspreyLibrary[] = "libOsprey32.so";
inline constexpr char kPetrelLibrary[] = "libPetrel32.so";

// "None", "Player hints/autoplay", "Computer decisions", "All decisions".
const char* AltLibraryDescription(int intUseAltLibrary);

// The message shown once when a call into Petrel32 fails.
std::string PetrelFallbackMessage(int intUseAltLibrary);

// True when the decision goes to Petrel32: 0 never, 1 for the player's hints
// and autoplay, 2 for the computer's own decisions, 3 always.
bool UseAltFor(int intUseAltLibrary, bool isComputer);

// Rank letter, suit letter and the separator for every card.
std::string CardText(const std::string& cards, const std::string& separator);

// The MakePegPlay string for the side to move: its played cards in the order
// played, its unplayed cards, its two discards, the starter, then the
// opponent's played cards in the order played.
std::string PegPlayString(const GameState& state, bool isComputer);

// The cards a side has played this hand, in the order played: the game
// state's record of them, or, when that does not match the cards left, the
// played region of the hand string read backwards (each played card moves
// in front of the ones played before it).
std::string PlayedInOrder(const GameState& state, bool isComputer);

class EngineBridge : public Decisions {
 public:
  // folder: where libOsprey32.so is (the program's); libPetrel32.so is
  // looked for in petrelFolder, which is the same folder unless given.
  explicit EngineBridge(std::string folder, std::string petrelFolder = {});
  ~EngineBridge() override;

  // Where the warnings go (a message box with the exclamation icon and the
  // title "Kestrel"). The busy pointer is the match controller's business.
  void SetHost(Host* host) { host_ = host; }

  // Test seam: look-ups by name in place of the two libraries.
  using Resolver = std::function<void*(const char* name)>;
  void SetResolversForTesting(Resolver osprey, Resolver petrel);

  void ChooseDiscards(GameState& state, bool isComputer, int& first, int& second) override;
  int ChoosePlay(GameState& state, bool isComputer) override;
  int ScoreShowTotal(const std::string& hand, bool isCrib) override;
  ShowBreakdown ParseShow(const std::string& hand, bool isCrib) override;
  int ScorePlay(const std::string& pegSequence) override;

  // The engine's generator step (the card source and the saved match's check
  // value use it).
  int32_t RandSeed(int32_t state);

  // The raw packed result of Discard / MakePegPlay as last returned by the
  // library that answered (for tests and the log).
  int16_t LastRawResult() const { return lastRaw_; }

 private:
  struct Bound;
  void* Osprey(const char* name);
  void* Petrel(const char* name);
  void PetrelFailed(GameState& state);

  std::string folder_;
  std::unique_ptr<SharedLibrary> ospreyLib_;
  std::unique_ptr<SharedLibrary> petrelLib_;
  Resolver ospreyResolver_;
  Resolver petrelResolver_;
  std::unique_ptr<Bound> bound_;
  Host* host_ = nullptr;
  bool ospreyReported_ = false;
  int16_t lastRaw_ = 0;
};

}  // namespace kestrel
