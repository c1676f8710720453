// The engine bridge: binding, the Petrel32 redirection and fallback, and the
// wrappers around the six exports.
#include "game/engine_bridge.h"

#include <algorithm>

#include "game/cards.h"

namespace kestrel {
namespace {

int16_t ClampScore(int score) { return static_cast<int16_t>(std::clamp(score, 0, 120)); }

const unsigned char* Bytes(const std::string& s) { return reinterpret_cast<const unsigned char*>(s.data()); }

// A choice byte names two different cards of six, the lower one first.
bool LegalDiscardByte(int byte) { return (byte & 15) < (byte >> 4) && (byte >> 4) <= 5; }

template <typename Fn>
Fn As(void* p) {
  return reinterpret_cast<Fn>(p);
}

}  // namespace

struct EngineBridge::Bound {
  DiscardFn discard = nullptr;
  ScoreHandFn scoreHand = nullptr;
  ParseHandFn parseHand = nullptr;
  MakePegPlayFn makePegPlay = nullptr;
  ScorePegPlayFn scorePegPlay = nullptr;
  RandSeedFn randSeed = nullptr;
  DiscardFn altDiscard = nullptr;
  MakePegPlayFn altMakePegPlay = nullptr;
};

const char* AltLibraryDescription(int value) {
  switch (value & 3) {
    case 1: return "Player hints/autoplay";
    case 2: return "Computer decisions";
    case 3: return "All decisions";
    default: return "None";
  }
}

std::string PetrelFallbackMessage(int value) {
  std::string description = AltLibraryDescription(value);
  for (char& c : description)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return "Problem with call to decision function in PETREL.DLL\n"
         "(or file not found).  Your manual INI setting requests \n"
         "use of the DLL for " +
         description + ".\n\nReverting to OSPREY.DLL for rest of session.";
}

bool UseAltFor(int value, bool isComputer) {
  switch (value & 3) {
    case 1: return !isComputer;
    case 2: return isComputer;
    case 3: return true;
    default: return false;
  }
}

std::string CardText(const std::string& cards, const std::string& separator) {
  std::string out;
  for (char c : cards) out += CardName(static_cast<unsigned char>(c)) + separator;
  return out;
}

std::string PlayedInOrder(const GameState& state, bool isComputer) {
  const std::string& hand = isComputer ? state.strComputerHand : state.strPlayerHand;
  const std::string& record = isComputer ? state.strComputerPlayed : state.strPlayerPlayed;
  int left = isComputer ? state.intComputerCardsLeft : state.intPlayerCardsLeft;
  if (left < 0 || left > 4 || hand.size() < 4) return record;
  std::string region = hand.substr(static_cast<size_t>(left), static_cast<size_t>(4 - left));
  std::string a = record, b = region;
  std::sort(a.begin(), a.end());
  std::sort(b.begin(), b.end());
  if (a == b) return record;
  return std::string(region.rbegin(), region.rend());
}

std::string PegPlayString(const GameState& state, bool isComputer) {
  const std::string& hand = isComputer ? state.strComputerHand : state.strPlayerHand;
  int held = isComputer ? state.intComputerCardsLeft : state.intPlayerCardsLeft;
  std::string s = PlayedInOrder(state, isComputer);
  s += hand.substr(0, static_cast<size_t>(std::clamp(held, 0, static_cast<int>(hand.size()))));
  if (hand.size() >= 6) s += hand.substr(4, 2);
  s += state.strStarter;
  s += PlayedInOrder(state, !isComputer);
  return s;
}

EngineBridge::EngineBridge(std::string folder, std::string petrelFolder)
    : folder_(std::move(folder)),
      ospreyLib_(std::make_unique<SharedLibrary>(folder_, kOspreyLibrary)),
      petrelLib_(std::make_unique<SharedLibrary>(petrelFolder.empty() ? folder_ : petrelFolder, kPetrelLibrary)),
      bound_(std::make_unique<Bound>()) {}

EngineBridge::~EngineBridge() = default;

void EngineBridge::SetResolversForTesting(Resolver osprey, Resolver petrel) {
  ospreyResolver_ = std::move(osprey);
  petrelResolver_ = std::move(petrel);
  *bound_ = Bound{};
}

void* EngineBridge::Osprey(const char* name) {
  void* p = ospreyResolver_ ? ospreyResolver_(name) : ospreyLib_->Symbol(name);
  if (!p && !ospreyReported_) {
    // Once per run: the game goes on with the first legal choices, no points
    // from the engine's scoring and a stand-in generator.
    ospreyReported_ = true;
    if (host_)
      host_->MessageBox("Problem with call to " + std::string(name) + " in the engine library\n" + ospreyLib_->Path() +
                            "\n\n" + (ospreyResolver_ ? std::string("not found") : ospreyLib_->Error()) +
                            "\n\nThe computer's play and the scores of this session cannot be relied on.",
                        "Kestrel", MessageIcon::Exclamation);
  }
  return p;
}

void* EngineBridge::Petrel(const char* name) {
  return petrelResolver_ ? petrelResolver_(name) : petrelLib_->Symbol(name);
}

void EngineBridge::PetrelFailed(GameState& state) {
  std::string message = PetrelFallbackMessage(state.intUseAltLibrary);
  state.intUseAltLibrary = 0;  // in memory only: the next run tries Petrel32 again
  if (host_) host_->MessageBox(message, "Kestrel", MessageIcon::Exclamation);
}

void EngineBridge::ChooseDiscards(GameState& state, bool isComputer, int& first, int& second) {
  first = 4;
  second = 5;
  const std::string& hand = isComputer ? state.strComputerHand : state.strPlayerHand;
  if (hand.size() != 6) return;
  int16_t dealerScore = ClampScore(state.blnPlayerDeals ? state.intPlayerScore : state.intComputerScore);
  int16_t poneScore = ClampScore(state.blnPlayerDeals ? state.intComputerScore : state.intPlayerScore);
  bool holderDeals = isComputer ? !state.blnPlayerDeals : state.blnPlayerDeals;
  // High byte: the holder deals; low byte: the holder is pone.
  auto pick = [&](int16_t r) { return holderDeals ? (r / 256) & 255 : r & 255; };
  int byte = -1;

  if (UseAltFor(state.intUseAltLibrary, isComputer)) {
    if (!bound_->altDiscard) bound_->altDiscard = As<DiscardFn>(Petrel("Discard"));
    if (bound_->altDiscard) {
      lastRaw_ = bound_->altDiscard(Bytes(hand), dealerScore, poneScore);
      if (LegalDiscardByte(pick(lastRaw_))) byte = pick(lastRaw_);
    }
    if (byte < 0) PetrelFailed(state);
  }
  if (byte < 0) {
    if (!bound_->discard) bound_->discard = As<DiscardFn>(Osprey("Discard"));
    if (bound_->discard) {
      lastRaw_ = bound_->discard(Bytes(hand), dealerScore, poneScore);
      if (LegalDiscardByte(pick(lastRaw_))) byte = pick(lastRaw_);
    }
  }
  if (byte >= 0) {
    first = byte % 16;
    second = byte / 16;
  }
}

int EngineBridge::ChoosePlay(GameState& state, bool isComputer) {
  const std::string& hand = isComputer ? state.strComputerHand : state.strPlayerHand;
  int held = isComputer ? state.intComputerCardsLeft : state.intPlayerCardsLeft;
  int opponentLeft = isComputer ? state.intPlayerCardsLeft : state.intComputerCardsLeft;
  held = std::clamp(held, 0, std::min(4, static_cast<int>(hand.size())));
  auto fits = [&](int position) {
    return state.intCount + CardValue(static_cast<unsigned char>(hand[static_cast<size_t>(position - 1)])) <= 31;
  };
  int firstFit = 0;
  for (int p = 1; p <= held && !firstFit; ++p)
    if (fits(p)) firstFit = p;
  if (held == 0 || hand.size() != 6 || state.strStarter.size() != 1 || opponentLeft < 0 || opponentLeft > 4)
    return firstFit;

  std::string cards = PegPlayString(state, isComputer);
  int16_t length = static_cast<int16_t>(cards.size());
  int16_t moverDeals = (isComputer ? !state.blnPlayerDeals : state.blnPlayerDeals) ? 1 : 0;
  int16_t countEmpty = state.strPegSequence.empty() ? 1 : 0;
  int16_t moverScore = ClampScore(isComputer ? state.intComputerScore : state.intPlayerScore);
  int16_t opponentScore = ClampScore(isComputer ? state.intPlayerScore : state.intComputerScore);
  // Result r is 1..4 among the first four bytes: the unplayed cards are
  // bytes 4 - held + 1 .. 4; 0 means none fits.
  auto position = [&](int16_t r) -> int {
    if (r == 0) return firstFit == 0 ? 0 : -1;
    int p = r - 4 + held;
    return (p >= 1 && p <= held && fits(p)) ? p : -1;
  };
  auto call = [&](MakePegPlayFn fn) {
    lastRaw_ = fn(Bytes(cards), length, static_cast<int16_t>(held), moverDeals, countEmpty, moverScore, opponentScore);
    return position(lastRaw_);
  };
  int chosen = -1;

  if (UseAltFor(state.intUseAltLibrary, isComputer)) {
    if (!bound_->altMakePegPlay) bound_->altMakePegPlay = As<MakePegPlayFn>(Petrel("MakePegPlay"));
    if (bound_->altMakePegPlay) chosen = call(bound_->altMakePegPlay);
    if (chosen < 0) PetrelFailed(state);
  }
  if (chosen < 0) {
    if (!bound_->makePegPlay) bound_->makePegPlay = As<MakePegPlayFn>(Osprey("MakePegPlay"));
    if (bound_->makePegPlay) chosen = call(bound_->makePegPlay);
  }
  return chosen < 0 ? firstFit : chosen;
}

int EngineBridge::ScoreShowTotal(const std::string& hand, bool isCrib) {
  if (hand.size() != 5) return 0;
  if (!bound_->scoreHand) bound_->scoreHand = As<ScoreHandFn>(Osprey("ScoreHand"));
  if (!bound_->scoreHand) return 0;
  return std::max<int>(0, bound_->scoreHand(Bytes(hand), isCrib ? 1 : 0));
}

ShowBreakdown EngineBridge::ParseShow(const std::string& hand, bool isCrib) {
  if (hand.size() != 5) return ShowBreakdown();
  if (!bound_->parseHand) bound_->parseHand = As<ParseHandFn>(Osprey("ParseHand"));
  if (!bound_->parseHand) return ShowBreakdown();
  int16_t word = bound_->parseHand(Bytes(hand), isCrib ? 1 : 0);
  return word < 0 ? ShowBreakdown() : ShowBreakdown(word);
}

int EngineBridge::ScorePlay(const std::string& pegSequence) {
  if (pegSequence.size() < 2 || pegSequence.size() > 8) return 0;
  if (!bound_->scorePegPlay) bound_->scorePegPlay = As<ScorePegPlayFn>(Osprey("ScorePegPlay"));
  if (!bound_->scorePegPlay) return 0;
  return std::max<int>(0, bound_->scorePegPlay(Bytes(pegSequence), static_cast<int16_t>(pegSequence.size())));
}

int32_t EngineBridge::RandSeed(int32_t state) {
  if (!bound_->randSeed) bound_->randSeed = As<RandSeedFn>(Osprey("RandSeed"));
  if (bound_->randSeed) return bound_->randSeed(state);
  // Stand-in when the engine is missing, so that deals can still be drawn.
  return static_cast<int32_t>(static_cast<uint32_t>(state) * 1103515245u + 12345u);
}

}  // namespace kestrel
