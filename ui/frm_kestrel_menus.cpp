// frmKestrel: the File, Options, Keyboard and Help menus, their check marks
// and radio groups, and the option items whose effect is on the window.
#include <QMenuBar>

#include "game/card_source.h"
#include "game/match_controller.h"
#include "ui/frm_kestrel.h"

namespace kestrel {

QAction* FrmKestrel::AddCheck(QMenu* menu, const QString& caption, const QKeySequence& key,
                              bool* value) {
  QAction* a = menu->addAction(caption);
  a->setCheckable(true);
  a->setShortcut(key);
  a->setData(".");  // the On/Off marker of option lines
  connect(a, &QAction::triggered, this, [this, a, value](bool checked) {
    *value = checked;
    // The button, hints, details and sorting follow: the controller redraws.
    controller_->OptionsApplied();
    if (onOptionChanged) onOptionChanged(a);
  });
  return a;
}

std::vector<QAction*> FrmKestrel::AddRadio(QMenu* menu, const QStringList& captions,
                                           int16_t* value, bool applyBackground) {
  std::vector<QAction*> items;
  auto* group = new QActionGroup(menu);
  group->setExclusive(true);
  for (int i = 0; i < captions.size(); ++i) {
    QAction* a = menu->addAction(captions[i]);
    a->setCheckable(true);
    group->addAction(a);
    items.push_back(a);
    connect(a, &QAction::triggered, this, [this, a, i, value, applyBackground, items] {
      if (*value == i) return;  // already chosen: no change, no log line
      *value = static_cast<int16_t>(i);
      if (applyBackground) ApplyBackground();
      else a->setChecked(true);
      if (onOptionChanged) onOptionChanged(a);
    });
  }
  return items;
}

void FrmKestrel::BuildMenus() {
  QMenuBar* bar = menuBar();

  mnuFile = bar->addMenu("&File");
  mnuFileNewMatch = mnuFile->addAction("&New Match");
  connect(mnuFileNewMatch, &QAction::triggered, this, [this] { NewMatch(); });
  mnuFilePlayer = mnuFile->addMenu("&Change Player");
  for (int i = 1; i <= 12; ++i) {
    mnuFilePlayerList[i] = mnuFilePlayer->addAction(QString());
    mnuFilePlayerList[i]->setVisible(false);
  }
  mnuFilePlayer->addSeparator();
  mnuFilePlayerNew = mnuFilePlayer->addAction("&New Player");
  mnuFilePlayerNew->setEnabled(false);
  mnuFileShowHistory = mnuFile->addAction("Show &Statistics and Log");
  mnuFileShowHistory->setEnabled(false);
  mnuFileAppendHistory = mnuFile->addAction("&Append Statistics to Log...");
  mnuFileAppendHistory->setEnabled(false);
  mnuFile->addSeparator();
  mnuFileExit = mnuFile->addAction("E&xit");
  connect(mnuFileExit, &QAction::triggered, this, [this] { close(); });

  mnuOptions = bar->addMenu("&Options");
  mnuOptionsHints = AddCheck(mnuOptions, "&Hints (Mouse Icon)", QKeySequence("Ctrl+H"), &options_.blnHints);
  mnuOptionsDetails = AddCheck(mnuOptions, "Scoring &Details", QKeySequence("Ctrl+D"), &options_.blnDetails);
  mnuOptionsAutoplay = AddCheck(mnuOptions, "Allow Auto&play", QKeySequence("Ctrl+P"), &options_.blnAutoplay);
  mnuOptionsAutoscore = AddCheck(mnuOptions, "Allow Auto&score", QKeySequence("Ctrl+S"), &options_.blnAutoscore);
  mnuOptionsSort = AddCheck(mnuOptions, "S&ort Hands", QKeySequence("Ctrl+O"), &options_.blnSort);
  // Non-Stop Play is never shown; Ctrl+F10 and the wait switch it.
  mnuOptionsNonStop = new QAction("Non-Stop Play", this);
  mnuOptionsNonStop->setCheckable(true);
  mnuOptionsNonStop->setVisible(false);
  mnuOptions->addSeparator();
  mnuOptionsWeightsAry = AddRadio(mnuOptions->addMenu("Match Point &Weights"),
                                  {"2-3-4 Weights", "2-4-6 Weights", "2-3-3 Weights", "2-4-4 Weights"},
                                  &options_.intWeights);
  mnuOptionsPenaltyAry = AddRadio(mnuOptions->addMenu("Scoring &Mistakes"),
                                  {"&Friendly Corrections", "&Penalties but No Muggins", "Penalties and &Muggins"},
                                  &options_.intPenalty);
  mnuOptionsLengthAry = AddRadio(mnuOptions->addMenu("&Game Length"),
                                 {"&Normal Game (121 Points)", "&Short Game (61 Points)", "&End Game Practice"},
                                 &options_.intGameLength);
  mnuOptionsFirstAry = AddRadio(mnuOptions->addMenu("&First Dealer for Game"),
                                {"&Loser Deals", "&Alternate First Deals", "&Player Always First",
                                 "&Computer Always First"},
                                &options_.intFirstDealer);
  mnuOptionsOpponentAry = AddRadio(mnuOptions->addMenu("Computer &Opponent"), {"&Easy", "&Standard", "E&xpert"},
                                   &options_.intOpponent);
  for (QAction* a : mnuOptionsOpponentAry)
    connect(a, &QAction::triggered, this, [this] {
      if (onOpponentChanged) onOpponentChanged();
    });
  QMenu* source = mnuOptions->addMenu("&Card Source");
  mnuOptionsSourceDefault = source->addAction("&Default Sequence");
  mnuOptionsSourceDataFile = source->addAction("Card Data &File...");
  for (QAction* a : {mnuOptionsSourceDefault, mnuOptionsSourceDataFile}) a->setCheckable(true);
  connect(mnuOptionsSourceDefault, &QAction::triggered, this, [this] {
    const bool changed = UseDefaultSequence(options_);
    ApplyOptionsToMenus();
    if (changed && onOptionChanged) onOptionChanged(mnuOptionsSourceDefault);
  });
  connect(mnuOptionsSourceDataFile, &QAction::triggered, this, [this] {
    ApplyOptionsToMenus();  // the check stays where it was until a file is chosen
    if (!ChooseDataFile(options_, *this)) return;
    ApplyOptionsToMenus();
    if (onOptionChanged) onOptionChanged(mnuOptionsSourceDataFile);
  });
  source->addSeparator();
  mnuOptionsSourceSetSeed = source->addAction("&New Seed or Pointer");
  connect(mnuOptionsSourceSetSeed, &QAction::triggered, this, [this] {
    if (onSetSeed) onSetSeed();
  });
  QMenu* log = mnuOptions->addMenu("Activity &Log");
  mnuOptionsLogAry = AddRadio(log, {"&Disable Logging", "Log &Games Only", "Log Games and &Messages"},
                              &options_.intLogLevel);
  log->addSeparator();
  mnuOptionsLogName = log->addAction("&Log File Name...");
  QMenu* style = mnuOptions->addMenu("Card Dec&k Style");
  mnuOptionsStyleDefault = style->addAction("&Default Deck");
  mnuOptionsStyleDogears = style->addAction("Dog &Ear Deck");
  mnuOptionsStyleCustom = style->addAction("&Custom Back...");
  style->addSeparator();
  mnuOptionsStyleSave = style->addAction("Save &Template As...");
  mnuOptionsStyleView = style->addAction("View or &Mark Deck");
  QMenu* patter = mnuOptions->addMenu("Obno&xious Patter");
  mnuOptionsPatterHide = patter->addAction("&Hide Patter");
  mnuOptionsPatterDefault = patter->addAction("&Default Patter");
  mnuOptionsPatterCustom = patter->addAction("&Custom Patter...");
  patter->addSeparator();
  mnuOptionsPatterSave = patter->addAction("&Save Template As...");
  QMenu* sounds = mnuOptions->addMenu("Game Over Sou&nds");
  mnuOptionsSoundsDisable = sounds->addAction("Disable &Sounds");
  mnuOptionsSoundsDefault = sounds->addAction("&Default Sounds");
  mnuOptionsSoundsCustom = sounds->addAction("&Custom Sounds (below)");
  sounds->addSeparator();
  mnuOptionsSoundsWin = sounds->addAction("When Computer &Wins...");
  mnuOptionsSoundsLoss = sounds->addAction("When Computer &Loses...");
  // Items whose behaviour others install: disabled until then.
  for (QAction* a : {mnuOptionsStyleDefault, mnuOptionsStyleDogears, mnuOptionsStyleCustom,
                     mnuOptionsPatterHide, mnuOptionsPatterDefault, mnuOptionsPatterCustom,
                     mnuOptionsSoundsDisable, mnuOptionsSoundsDefault, mnuOptionsSoundsCustom}) {
    a->setCheckable(true);
    a->setEnabled(false);
  }
  // Every choice group is exclusive and shows radio dots, like the others.
  for (const auto& items : {std::vector<QAction*>{mnuOptionsSourceDefault, mnuOptionsSourceDataFile},
                            std::vector<QAction*>{mnuOptionsStyleDefault, mnuOptionsStyleDogears,
                                                  mnuOptionsStyleCustom},
                            std::vector<QAction*>{mnuOptionsPatterHide, mnuOptionsPatterDefault,
                                                  mnuOptionsPatterCustom},
                            std::vector<QAction*>{mnuOptionsSoundsDisable, mnuOptionsSoundsDefault,
                                                  mnuOptionsSoundsCustom}}) {
    auto* group = new QActionGroup(this);
    group->setExclusive(true);
    for (QAction* a : items) group->addAction(a);
  }
  for (QAction* a : {mnuOptionsLogName, mnuOptionsStyleSave, mnuOptionsStyleView, mnuOptionsPatterSave,
                     mnuOptionsSoundsWin, mnuOptionsSoundsLoss})
    a->setEnabled(false);
  mnuOptionsBackgroundAry = AddRadio(mnuOptions->addMenu("&Background Color"),
                                     {"Default &Green", "Windows 95 &Cyan", "Gray for &Printing"},
                                     &options_.intBackgroundIndex, true);

  // The Keyboard menu: each caption carries its key name after a tab.
  mnuKeyboard = bar->addMenu("&Keyboard");
  mnuKeyboardCardRight = mnuKeyboard->addAction("Card &Right\tRight Arrow");
  mnuKeyboardCardLeft = mnuKeyboard->addAction("Card &Left\tLeft Arrow");
  mnuKeyboardCardSelect = mnuKeyboard->addAction("Card &Select\tEnter");
  mnuKeyboard->addSeparator();
  mnuKeyboardPeg[1] = mnuKeyboard->addAction("Peg &Ahead\tUp Arrow");
  mnuKeyboardPeg[2] = mnuKeyboard->addAction("Peg &Back\tDown Arrow");
  mnuKeyboardPeg[3] = mnuKeyboard->addAction("&Peg Anchor\tEnter");
  mnuKeyboard->addSeparator();
  mnuKeyboardContinue = mnuKeyboard->addAction("&Continue\tEnter");
  mnuKeyboardAutomatic = mnuKeyboard->addAction("A&utomatic\tF10");
  mnuKeyboard->addSeparator();
  mnuKeyboardMinimize = mnuKeyboard->addAction("&Minimize\tEscape");
  connect(mnuKeyboardCardRight, &QAction::triggered, this, [this] { controller_->CardRight(); });
  connect(mnuKeyboardCardLeft, &QAction::triggered, this, [this] { controller_->CardLeft(); });
  connect(mnuKeyboardCardSelect, &QAction::triggered, this, [this] { controller_->CardSelect(); });
  connect(mnuKeyboardPeg[1], &QAction::triggered, this, [this] { controller_->PegAhead(); });
  connect(mnuKeyboardPeg[2], &QAction::triggered, this, [this] { controller_->PegBack(); });
  connect(mnuKeyboardPeg[3], &QAction::triggered, this, [this] { controller_->PegAnchor(); });
  connect(mnuKeyboardContinue, &QAction::triggered, this, [this] { controller_->PressContinue(); });
  connect(mnuKeyboardAutomatic, &QAction::triggered, this, [this] { controller_->DoAutomatic(); });
  connect(mnuKeyboardMinimize, &QAction::triggered, this, [this] { showMinimized(); });

  mnuHelp = bar->addMenu("&Help");
  mnuHelpContents = mnuHelp->addAction("&Contents");
  mnuHelpContext = mnuHelp->addAction("&By Context\tF1");  // has no effect
  mnuHelp->addSeparator();
  mnuHelpAbout = mnuHelp->addAction("&About");
  connect(mnuHelpContents, &QAction::triggered, this, [this] { OpenHelpContents(); });
  connect(mnuHelpAbout, &QAction::triggered, this, [this] { ShowAbout(); });
}

void FrmKestrel::ApplyOptionsToMenus() {
  mnuOptionsHints->setChecked(options_.blnHints);
  mnuOptionsDetails->setChecked(options_.blnDetails);
  mnuOptionsAutoplay->setChecked(options_.blnAutoplay);
  mnuOptionsAutoscore->setChecked(options_.blnAutoscore);
  mnuOptionsSort->setChecked(options_.blnSort);
  mnuOptionsNonStop->setChecked(options_.blnNonStop);
  auto apply = [](std::vector<QAction*>& items, int16_t& value) {
    for (QAction* a : items) a->setChecked(false);
    if (value < 0 || value >= static_cast<int>(items.size())) value = 0;
    items[value]->setChecked(true);
  };
  apply(mnuOptionsWeightsAry, options_.intWeights);
  apply(mnuOptionsPenaltyAry, options_.intPenalty);
  apply(mnuOptionsLengthAry, options_.intGameLength);
  apply(mnuOptionsFirstAry, options_.intFirstDealer);
  apply(mnuOptionsLogAry, options_.intLogLevel);
  if (options_.intOpponent < 0 || options_.intOpponent > 2) options_.intOpponent = 1;  // Standard
  apply(mnuOptionsOpponentAry, options_.intOpponent);
  mnuOptionsSourceDefault->setChecked(options_.intCardSource == 0);
  mnuOptionsSourceDataFile->setChecked(options_.intCardSource == 1);
  mnuOptionsStyleDefault->setChecked(options_.intDeckStyle == 0);
  mnuOptionsStyleDogears->setChecked(options_.intDeckStyle == 1);
  mnuOptionsStyleCustom->setChecked(options_.intDeckStyle == 2);
  mnuOptionsPatterHide->setChecked(options_.intPatter == 0);
  mnuOptionsPatterDefault->setChecked(options_.intPatter == 1);
  mnuOptionsPatterCustom->setChecked(options_.intPatter == 2);
  mnuOptionsSoundsDisable->setChecked(options_.intSounds == 0);
  mnuOptionsSoundsDefault->setChecked(options_.intSounds == 1);
  mnuOptionsSoundsCustom->setChecked(options_.intSounds == 2);
}

void FrmKestrel::ApplyLock() {
  mnuFileNewMatch->setEnabled(false);
  mnuFilePlayer->menuAction()->setEnabled(false);
  mnuOptions->menuAction()->setEnabled(false);
}

}  // namespace kestrel
