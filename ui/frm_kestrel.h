// frmKestrel: the program's one main window. It holds the fixed 530 x 268
// game panel centred in a bordered client area, the card rows, the peg board,
// the button strip, the message line, the pop-up panels, the menus and the
// keyboard handling. It is the core's host: it paints from the match
// controller's table model, and while the controller waits it dispatches
// window events, blocking until one arrives, so that input handlers can
// answer the wait through the controller's input functions.
#pragma once

#include <QAction>
#include <QActionGroup>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "game/game_state.h"
#include "game/host.h"
#include "game/table_model.h"
#include "settings/option_line.h"
#include "settings/options.h"
#include "ui/button_strip.h"
#include "ui/card_image.h"
#include "ui/card_renderer.h"
#include "ui/peg_drag_board.h"

namespace kestrel {

class ClientArea;
class GameOverSounds;
class MatchController;
class PanelView;
class PatterChoices;
class SoundOutput;
class Session;

class FrmKestrel : public QMainWindow, public Host {
  Q_OBJECT
 public:
  FrmKestrel(GameState& state, Options& options, QWidget* parent = nullptr);
  ~FrmKestrel() override;

  // The match controller the input handlers answer through; the window
  // paints from its table model. Set before the window is shown.
  void SetController(MatchController* controller) { controller_ = controller; }
  // The player's session: the player commands and the Options handlers
  // forward to it (without one, the options are only stored).
  void SetSession(Session* session);
  Session* GetSession() const { return session_; }

  // --- Host ---
  void Redraw(const TableModel& model, unsigned parts) override;
  void PumpEvents(bool mayBlock) override;
  bool MessageBox(const std::string& text, const std::string& title, MessageIcon icon) override;
  std::string OpenFileDialog(const std::string& title, const std::string& filter,
                             const std::string& defaultExt, const std::string& startName,
                             bool mustExist) override;
  std::string SaveFileDialog(const std::string& title, const std::string& filter,
                             const std::string& defaultExt, const std::string& startName) override;
  bool PlayWave(const std::vector<uint8_t>& image) override;
  bool StopSound() override;
  void Beep() override;
  void SetBusy(bool busy) override;
  void OptionsChanged() override;
  void ApplyCardBack() override;

  // Message boxes go through this when set (tests answer them here).
  std::function<bool(const std::string& text, const std::string& title, MessageIcon icon)> onMessageBox;
  // Answers the open-file dialog in place of the user (tests): title, filter, starting name.
  std::function<std::string(const std::string&, const std::string&, const std::string&)> onOpenFileDialog;
  // Stand in for the audio output when set (tests record the images here).
  std::function<bool(const std::vector<uint8_t>&)> onPlayWave;
  std::function<bool()> onStopSound;
  // Answers the save-file dialog in place of the user (tests): title, filter, starting name.
  std::function<std::string(const std::string&, const std::string&, const std::string&)> onSaveFileDialog;

  // --- Geometry (fixed pixel layout) ---
  static constexpr int kClientMinWidth = 560;
  static constexpr int kClientMinHeight = 278;
  static constexpr int kPanelWidth = 530;
  static constexpr int kPanelHeight = 268;
  static constexpr int kPopupHeight = 225;
  // The middle of the gap between lower places 5 and 6 (columns 244 to
  // 279): the player's Go caption ends before it, the computer's starts at it.
  static constexpr int kGoGapMiddle = 262;

  // Sets the outer size so that the client area is exactly 560 x 278 and
  // centres the window on the screen.
  void LayoutAtStart();
  // Enforces the minimum size and centres the game panel and the pop-ups,
  // scaled to the largest size that fits (1 at the minimum client size).
  void ArrangeWindow();
  static qreal ScaleForClient(QSize client);
  // Where the scaled game panel stands in the client area, and its scale.
  QRect PanelRect() const;
  qreal PanelScale() const;
  // The remembered size: the client area (never below the minimum) and the
  // maximised state, applied before the window is first shown.
  void ApplyPlacement(int clientWidth, int clientHeight, bool maximised);
  // The client size of the normal (not maximised) window and the state.
  void CurrentPlacement(int& clientWidth, int& clientHeight, bool& maximised) const;
  // Recolours every region for intBackgroundIndex and redraws.
  void ApplyBackground() override;
  QColor TableColor() const;
  // Rebuilds the caption from the match totals.
  void RefreshCaption();

  // --- The wait ---
  // Runs the match loop from the first activation until the window unloads.
  void SetMatchLoop(std::function<void()> playMatch) { playMatch_ = std::move(playMatch); }
  void RunMatchLoop();
  bool Unloading() const { return blnUnloading_; }

  // --- Message line, button, keyboard menu ---
  QString VisibleMessage() const { return lblMessage->text(); }
  void SetKeyMode(int mode);
  int KeyMode() const { return intKeyMode_; }


  // --- Menu commands of this window ---
  void ShowAbout();
  void OpenHelpContents();
  void NewMatch();
  // Shows a message with the remark of a patter slot and waits for
  // Continue (see MatchController::PauseForContinue).
  bool PauseForContinue(const std::string& message, int patterSlot);
  // The New Seed or Pointer panel: shows its three texts and the current
  // value, waits for Continue with `message` in the message line and
  // returns the trimmed entry ("" when blank or abandoned).
  QString RunSeedPanel(const QStringList& texts, const QString& current);
  // Card Source > New Seed or Pointer: the panel with the session's texts;
  // the confirmed text goes to the session.
  void RunSeedPanel();
  // File > Change Player > New Player: the panel over the table, the name
  // typed and confirmed with Enter or Continue, handed to the session.
  void RunNewPlayerPanel();
  // Opens the File menu at Change Player (a click on the player's name).
  void OpenPlayerMenu();

  // --- Hooks the session installs for behaviour owned elsewhere ---
  std::function<void()> onShutdown;                     // settings and match written back
  std::function<void(QAction*)> onOptionChanged;        // after an Options item changed
  std::function<void(int card)> onDeckCardClicked;      // deck view, 0..51
  std::function<void()> onOpponentChanged;               // Computer Opponent level changed
  std::function<std::string()> statisticsReport;         // the statistics report as it stands
  std::function<void()> onAppendStatistics;              // File > Append Statistics to Log
  // Called on every pump of a wait before it blocks; a scripted user in the
  // tests posts its input from here, which the wait then dispatches.
  std::function<void(int waitState)> onWaitPass;

  // --- Elements (named as the layout names them) ---
  ClientArea* client = nullptr;
  // The game panel: logical 530 x 268 pixels, with the pop-up panels on it,
  // shown through panelView at the window's scale.
  QWidget* picContainer = nullptr;
  PanelView* panelView = nullptr;
  QWidget* frameHi = nullptr;
  QWidget* frameLo = nullptr;
  PegDragBoard* picBoard = nullptr;
  QFrame* lineUnderscore = nullptr;
  QLabel* imgStartPtr = nullptr;
  ButtonStrip* picButton = nullptr;
  QLabel* lblMessage = nullptr;
  QLabel* lblNamePrompt = nullptr;
  QLabel* lblName = nullptr;
  QFrame* frameDetails = nullptr;
  QLabel* lblDetails = nullptr;
  CardImage* imgHiCard[8] = {};
  CardImage* imgLoCard[12] = {};
  CardImage* imgLeftBack = nullptr;
  CardImage* imgRightBack = nullptr;
  CardImage* imgLeftCut = nullptr;
  CardImage* imgRightCut = nullptr;
  QLabel* lblCount = nullptr;
  QLabel* lblLeftGo = nullptr;
  QLabel* lblRightGo = nullptr;
  CardImage* imgBlackHz = nullptr;
  CardImage* imgBlackVt = nullptr;

  // Pop-up panels.
  QFrame* frameNew = nullptr;
  QLabel* lblNewMessage[3] = {};
  QLabel* lblNewPrompt = nullptr;
  QLineEdit* txtPlayer = nullptr;
  CardImage* imgNewCardLeft = nullptr;
  CardImage* imgNewCardRight = nullptr;
  QFrame* frameSeed = nullptr;
  QLabel* lblSeedMessage[3] = {};
  QLabel* lblNewSeed = nullptr;
  QLineEdit* txtSeed = nullptr;
  QLabel* lblCurrent = nullptr;
  QLabel* lblSeed = nullptr;
  CardImage* imgSeedCardLeft = nullptr;
  CardImage* imgSeedCardRight = nullptr;
  QFrame* frameHistory = nullptr;
  QPlainTextEdit* txtHistory = nullptr;
  QFrame* frameAbout = nullptr;
  QLabel* lblAboutMessageTop = nullptr;
  QLabel* lblAboutMessageLeft = nullptr;
  QLabel* lblAboutMessageRight = nullptr;
  QLabel* lblAboutMessageBot = nullptr;
  CardImage* imgAboutCardLeft = nullptr;
  CardImage* imgAboutCardRight = nullptr;
  QFrame* frameDeck = nullptr;
  CardImage* imgCard[52] = {};

  // Menus.
  QMenu* mnuFile = nullptr;
  QAction* mnuFileNewMatch = nullptr;
  QMenu* mnuFilePlayer = nullptr;
  QAction* mnuFilePlayerList[13] = {};  // 1..12
  QAction* mnuFilePlayerNew = nullptr;
  QAction* mnuFileShowHistory = nullptr;
  QAction* mnuFileAppendHistory = nullptr;
  QAction* mnuFileExit = nullptr;
  QMenu* mnuOptions = nullptr;
  QAction* mnuOptionsHints = nullptr;
  QAction* mnuOptionsDetails = nullptr;
  QAction* mnuOptionsAutoplay = nullptr;
  QAction* mnuOptionsAutoscore = nullptr;
  QAction* mnuOptionsSort = nullptr;
  QAction* mnuOptionsNonStop = nullptr;
  std::vector<QAction*> mnuOptionsWeightsAry, mnuOptionsPenaltyAry, mnuOptionsLengthAry,
      mnuOptionsFirstAry, mnuOptionsLogAry, mnuOptionsBackgroundAry, mnuOptionsOpponentAry;
  QAction* mnuOptionsSourceDefault = nullptr;
  QAction* mnuOptionsSourceDataFile = nullptr;
  QAction* mnuOptionsSourceSetSeed = nullptr;
  QAction* mnuOptionsLogName = nullptr;
  QAction* mnuOptionsStyleDefault = nullptr;
  QAction* mnuOptionsStyleDogears = nullptr;
  QAction* mnuOptionsStyleCustom = nullptr;
  QAction* mnuOptionsStyleSave = nullptr;
  QAction* mnuOptionsStyleView = nullptr;
  QAction* mnuOptionsPatterHide = nullptr;
  QAction* mnuOptionsPatterDefault = nullptr;
  QAction* mnuOptionsPatterCustom = nullptr;
  QAction* mnuOptionsPatterSave = nullptr;
  QAction* mnuOptionsSoundsDisable = nullptr;
  QAction* mnuOptionsSoundsDefault = nullptr;
  QAction* mnuOptionsSoundsCustom = nullptr;
  QAction* mnuOptionsSoundsWin = nullptr;
  QAction* mnuOptionsSoundsLoss = nullptr;
  QMenu* mnuKeyboard = nullptr;
  QAction* mnuKeyboardCardRight = nullptr;
  QAction* mnuKeyboardCardLeft = nullptr;
  QAction* mnuKeyboardCardSelect = nullptr;
  QAction* mnuKeyboardPeg[4] = {};  // 1 Ahead, 2 Back, 3 Anchor
  QAction* mnuKeyboardContinue = nullptr;
  QAction* mnuKeyboardAutomatic = nullptr;
  QAction* mnuKeyboardMinimize = nullptr;
  QMenu* mnuHelp = nullptr;
  QAction* mnuHelpContents = nullptr;
  QAction* mnuHelpContext = nullptr;
  QAction* mnuHelpAbout = nullptr;

  // Card Deck Style: installs the stored style and marks at start-up, and
  // redraws every card after a change of style, colour or marks.
  void ApplyDeckStyle();
  void RefreshAllCards();
  void ChooseDeckStyle(int16_t style);
  void ViewDeck();

  // The "Obnoxious Patter" and "Game Over Sounds" menus work through these.
  void SetPatterAndSounds(PatterChoices* patter, GameOverSounds* sounds);
  // The message line shows one line with patter hidden, two with it shown.
  void ApplyPatterLayout() override;
  // File > Show Statistics and Log: the report and the log tail in the
  // frameHistory panel until Continue.
  void ShowHistory();
  QString HistoryText() const;

  // Applies the option check marks and radio groups from the options record.
  void ApplyOptionsToMenus();
  // Disables New Match, Change Player and the Options menu (locked play).
  void ApplyLock();

  // The help document beside the program.
  static QString HelpDocumentPath();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void BuildPanel();
  void BuildPopups();
  void BuildMenus();
  void BuildDeckMenu();
  void BuildHistoryMenu();
  QFrame* MakePopup();
  bool HandleKeyDown(QWidget* receiver, QKeyEvent* key);
  QWidget* VisibleEntryBox() const;
  bool HandleCharacter(QKeyEvent* key);
  void AdvanceBackAnimation();
  bool ShowMessageBox(const std::string& text, const std::string& title, MessageIcon icon);
  void ShowMessage(const TableModel& model);
  void DrawButton(const TableModel& model);
  void DrawCards(const TableModel& model);
  void DrawPegs(const TableModel& model);
  void DrawCursor(const TableModel& model);
  void DrawPlayer(const TableModel& model);
  void TypeChangePlayerKey(int triesLeft);
  // How an Options item looks now, for its option line.
  static OptionItemView ViewOf(const QAction* action);
  QAction* AddCheck(QMenu* menu, CheckOption option, const QKeySequence& key, bool* value);
  std::vector<QAction*> AddRadio(QMenu* menu, OptionGroup group, int16_t* value);

  GameState& state_;
  Options& options_;
  MatchController* controller_ = nullptr;
  Session* session_ = nullptr;
  CardRenderer renderer_;
  TableModel::Pack animatedPack_ = TableModel::Pack::None;
  std::string strTemplateFile_ = "cardback.bmp";
  QTimer* animationTimer_ = nullptr;
  int intKeyMode_ = 0;
  bool blnLayoutBusy_ = false;
  QSize normalClient_;
  bool blnUnloading_ = false;
  bool busy_ = false;
  bool activated_ = false;
  bool loopRunning_ = false;
  bool shutdownDone_ = false;
  int intBackAnimation_ = 0;
  std::function<void()> playMatch_;
  SoundOutput* sound_ = nullptr;
  PatterChoices* patterChoices_ = nullptr;
  GameOverSounds* sounds_ = nullptr;
};

// The client area: the table colour and the raised double border.
class ClientArea : public QWidget {
  Q_OBJECT
 public:
  explicit ClientArea(FrmKestrel* window);
 protected:
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;
 private:
  FrmKestrel* window_;
};

}  // namespace kestrel
