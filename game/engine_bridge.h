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

// The library that makes the computer's decisions at a Computer Opponent
// level: Easy libGreedy32.so, Standard "" (the engine itself), Expert
// libMerlin32.so.
std::string OpponentLibraryFile(int intOpponent);

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

  // Looks up all six exports of the engine library now: empty when they are
  // all there, else the message that says what is missing and where it was
  // looked for. The program does not play without them.
  std::string CheckEngine();

  // Where the warnings go (a message box with the exclamation icon and the
  // title "Kestrel"). The busy pointer is the match controller's business.
  void SetHost(Host* host) { host_ = host; }

  // The library that makes one side's decisions (Discard and MakePegPlay)
  // in place of Osprey32: a file name in the program's folder, or a path
  // with a "/". Empty: Osprey32 decides. Petrel32, where "UsePetrelDLL"
  // asks for it, still comes first. When the library fails the program says
  // so once and Osprey32 decides for that side for the rest of the run.
  void SetDecisionLibrary(bool isComputer, const std::string& file);
  const std::string& DecisionLibrary(bool isComputer) const { return side_[isComputer ? 1 : 0].file; }

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
  struct Side {
    std::string file;
    std::unique_ptr<SharedLibrary> lib;
    DiscardFn discard = nullptr;
    MakePegPlayFn makePegPlay = nullptr;
  };
  void* SideSymbol(bool isComputer, const char* name);
  void SideFailed(bool isComputer);
  void* Osprey(const char* name);
  void* Petrel(const char* name);
  void PetrelFailed(GameState& state);

  std::string folder_;
  std::unique_ptr<SharedLibrary> ospreyLib_;
  std::unique_ptr<SharedLibrary> petrelLib_;
  Resolver ospreyResolver_;
  Resolver petrelResolver_;
  std::unique_ptr<Bound> bound_;
  Side side_[2];  // [0] the player's hints and autoplay, [1] the computer
  Host* host_ = nullptr;
  bool ospreyReported_ = false;
  int16_t lastRaw_ = 0;
};

}  // namespace kestrel
