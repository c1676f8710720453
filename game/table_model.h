// The table model: plain data that says what the window shows. The match
// controller writes it; the window paints from it and from nothing else;
// tests assert on it. No toolkit types here.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace kestrel {

// Image codes of card elements: "F" + card (face up), "B" + card (face down),
// "P" + slot (keyboard cursor bar), "" (nothing). The empty back is "B" +
// char(255): a face-down card that is no card of the deck.
inline constexpr unsigned char kNoCard = 255;
std::string FaceUpCode(int card);
std::string FaceDownCode(int card);
std::string EmptyBackCode();
// The card number an image code shows, or -1 (empty back, cursor bar, "").
int CardOfCode(const std::string& code);
inline bool IsFaceUp(const std::string& code) { return !code.empty() && code[0] == 'F'; }
inline bool IsFaceDown(const std::string& code) { return !code.empty() && code[0] == 'B'; }

struct CardElement {
  std::string code = EmptyBackCode();
  bool visible = false;
};

// What changed since the last redraw; the window may repaint everything.
enum TablePart : unsigned {
  kPartCards = 1u << 0,     // both card rows, packs, starters, Go and count labels, underline
  kPartPegs = 1u << 1,      // the four pegs, the target, the start arrow, back peg drag state
  kPartButton = 1u << 2,    // action button and the Keyboard menu (they follow waitState)
  kPartMessage = 1u << 3,   // the message line
  kPartDetails = 1u << 4,   // the scoring-details panel
  kPartCaption = 1u << 5,   // the window caption
  kPartCursor = 1u << 6,    // the keyboard card cursor and the card hints
  kPartPlayer = 1u << 7,    // the player's name and the recent-player menu
  kPartAll = 0xffu,
};

struct TableModel {
  // Lower row (imgLoCard 0..11): both hands and the crib; player's from the
  // left (places 0..5), computer's from the right (6..11).
  std::array<CardElement, 12> loCard{};
  // Upper row (imgHiCard 0..7): the cards played in pegging, in order.
  std::array<CardElement, 8> hiCard{};
  // The packs and the starter places at the two ends of the upper row: left
  // is the player's (he deals), right the computer's.
  CardElement leftBack, rightBack, leftCut, rightCut;

  // "Go" labels beside each hand (lblLeftGo player, lblRightGo computer).
  bool leftGoVisible = false;
  bool rightGoVisible = false;
  // The pegging count (lblCount), shown right of the upper place countPlace.
  bool countVisible = false;
  int countValue = 0;
  int countPlace = 0;

  // The underline of the hand being counted at the show: first of four lower
  // places (0 player's hand, 4 crib, 8 computer's hand).
  bool underlineVisible = false;
  int underlineFirstPlace = 0;

  // Pegs by score (-1..121; a score below 0 or above 120 stands in the game
  // hole column, as the board decides). playerClaim is where the player's
  // back peg (imgGreen 0) stands: equal to playerBackPeg except while he is
  // moving it during a scoring prompt.
  int playerScore = 0, playerBackPeg = -1;
  int computerScore = 0, computerBackPeg = -1;
  int playerClaim = -1;
  bool backPegDraggable = false;
  // The invisible target hole of the current prompt (-1000 when none) and
  // whether it stands in front (peg hint on and points due).
  int targetHole = -1000;
  bool targetInFront = false;
  bool startArrowVisible = false;

  // The action button follows the wait state (caption " Continue",
  // " Autoplay", "Autoscore"; icon column 0, 1, 2); it acts only when
  // enabled, and so does Keyboard > Automatic.
  int waitState = 0;
  bool buttonEnabled = false;
  std::string buttonCaption = " Continue";
  int buttonIcon = 0;
  // The Keyboard menu's groups: the card cursor (Card Right, Left, Select),
  // the peg keys (Peg Ahead, Back, Anchor) and Continue.
  bool keyCardEnabled = false;
  bool keyPegEnabled = false;
  bool keyContinueEnabled = false;

  // The message line: what the player is asked, and below it the
  // computer's remark (patter) for the situation, with its slot. Empty when
  // nothing is asked; the remark shows only when patter is not hidden.
  std::string message;
  std::string patterText;
  int patterSlot = -1;
  bool patterVisible = true;
  // The pack the message asks the player to use; its dog-ear back speckles
  // while the game waits.
  enum class Pack { None, CutForDeal, Computer, Player };
  Pack animatedPack = Pack::None;

  // The scoring-details panel (frameDetails / lblDetails).
  std::string detailsText;
  bool detailsVisible = false;

  // The keyboard card cursor (imgBlackHz / imgBlackVt under slot cursorSlot)
  // and the engine's suggested slots for the I-beam hint (-1 none).
  bool cursorVisible = false;
  int cursorSlot = 0;
  int hintSlot1 = -1;
  int hintSlot2 = -1;
  // The mouse hint cursors are wanted (Options > Hints).
  bool hintsOn = false;

  // Decks that answer a Continue when clicked (the cut for deal pack in
  // lower place 8, the dealer's pack at the cut for the starter).
  bool deckClickable = false;

  // The window caption.
  std::string caption = "Kestrel";

  // The player's name (lblName) and the recent-player menu of File > Change
  // Player, item 1 (the current player) first, at most twelve names.
  std::string playerName;
  std::vector<std::string> playerMenu;
};

}  // namespace kestrel
