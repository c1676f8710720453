// frmKestrel: the File, Options, Keyboard and Help menus, their check marks
// and radio groups, and the option items whose effect is on the window.
#include <QMenuBar>

#include "game/card_source.h"
#include "game/match_controller.h"
#include "game/session.h"
#include "ui/frm_kestrel.h"

namespace kestrel {

QAction* FrmKestrel::AddCheck(QMenu* menu, CheckOption option, const QKeySequence& key, bool* value) {
  QAction* a = menu->addAction(kCheckCaptions[static_cast<size_t>(option)]);
  a->setCheckable(true);
  a->setShortcut(key);
  a->setData(".");  // the On/Off marker of option lines
  connect(a, &QAction::triggered, this, [this, option, value](bool checked) {
    // The button, hints, details and sorting follow: the controller redraws.
    if (session_) {
      session_->SetCheck(option, checked);  // stores, redraws, logs
      return;
    }
    *value = checked;
    controller_->OptionsApplied();
  });
  return a;
}

std::vector<QAction*> FrmKestrel::AddRadio(QMenu* menu, OptionGroup group, int16_t* value) {
  std::vector<QAction*> items;
  auto* group_ = new QActionGroup(menu);
  group_->setExclusive(true);
  for (int i = 0; i < GroupSize(group); ++i) {
    QAction* a = menu->addAction(QString::fromStdString(GroupCaption(group, i)));
    a->setCheckable(true);
    group_->addAction(a);
    items.push_back(a);
    connect(a, &QAction::triggered, this, [this, i, value, group] {
      if (session_) {
        // Stores, applies and logs; the already chosen item changes nothing.
        if (!session_->ChooseOption(group, i)) ApplyOptionsToMenus();
        return;
      }
      if (*value == i) return;
      *value = static_cast<int16_t>(i);
      if (group == OptionGroup::Background) ApplyBackground();
      ApplyOptionsToMenus();
    });
  }
  return items;
}

OptionItemView FrmKestrel::ViewOf(const QAction* action) {
  OptionItemView item;
  item.caption = action->text().toStdString();
  item.marker = action->data().toString() == ".";
  item.checked = action->isChecked();
  return item;
}

void FrmKestrel::SetSession(Session* session) {
  session_ = session;
  // The Options handlers of the card source, the deck, patter and sounds end
  // with the option line of the item they changed.
  onOptionChanged = [this](QAction* a) {
    if (session_ && a != mnuOptionsNonStop) session_->LogOptionChange(ViewOf(a));
  };
  mnuFilePlayerNew->setEnabled(session_ != nullptr);
  mnuOptionsLogName->setEnabled(session_ != nullptr);
  if (controller_) DrawPlayer(controller_->Model());
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
    connect(mnuFilePlayerList[i], &QAction::triggered, this, [this, i] {
      if (session_ && session_->ChangePlayer(i)) txtPlayer->clear();
    });
  }
  mnuFilePlayer->addSeparator();
  mnuFilePlayerNew = mnuFilePlayer->addAction(kNewPlayerCaption);
  mnuFilePlayerNew->setEnabled(false);
  connect(mnuFilePlayerNew, &QAction::triggered, this, [this] { RunNewPlayerPanel(); });
  mnuFileShowHistory = mnuFile->addAction("Show &Statistics and Log");
  mnuFileShowHistory->setEnabled(false);
  mnuFileAppendHistory = mnuFile->addAction("&Append Statistics to Log...");
  mnuFileAppendHistory->setEnabled(false);
  mnuFile->addSeparator();
  mnuFileExit = mnuFile->addAction("E&xit");
  connect(mnuFileExit, &QAction::triggered, this, [this] { close(); });

  mnuOptions = bar->addMenu("&Options");
  mnuOptionsHints = AddCheck(mnuOptions, CheckOption::Hints, QKeySequence("Ctrl+H"), &options_.blnHints);
  mnuOptionsDetails = AddCheck(mnuOptions, CheckOption::Details, QKeySequence("Ctrl+D"), &options_.blnDetails);
  mnuOptionsAutoplay = AddCheck(mnuOptions, CheckOption::Autoplay, QKeySequence("Ctrl+P"), &options_.blnAutoplay);
  mnuOptionsAutoscore = AddCheck(mnuOptions, CheckOption::Autoscore, QKeySequence("Ctrl+S"), &options_.blnAutoscore);
  mnuOptionsSort = AddCheck(mnuOptions, CheckOption::Sort, QKeySequence("Ctrl+O"), &options_.blnSort);
  // Non-Stop Play is never shown; Ctrl+F10 and the wait switch it.
  mnuOptionsNonStop = new QAction(kNonStopCaption, this);
  mnuOptionsNonStop->setCheckable(true);
  mnuOptionsNonStop->setVisible(false);
  mnuOptions->addSeparator();
  mnuOptionsWeightsAry = AddRadio(mnuOptions->addMenu("Match Point &Weights"), OptionGroup::Weights,
                                  &options_.intWeights);
  mnuOptionsPenaltyAry = AddRadio(mnuOptions->addMenu("Scoring &Mistakes"), OptionGroup::Penalty,
                                  &options_.intPenalty);
  mnuOptionsLengthAry = AddRadio(mnuOptions->addMenu("&Game Length"), OptionGroup::Length,
                                 &options_.intGameLength);
  mnuOptionsFirstAry = AddRadio(mnuOptions->addMenu("&First Dealer for Game"), OptionGroup::FirstDealer,
                                &options_.intFirstDealer);
  mnuOptionsOpponentAry = AddRadio(mnuOptions->addMenu("Computer &Opponent"), OptionGroup::Opponent,
                                   &options_.intOpponent);
  for (QAction* a : mnuOptionsOpponentAry)
    connect(a, &QAction::triggered, this, [this] {
      if (onOpponentChanged) onOpponentChanged();
    });
  QMenu* source = mnuOptions->addMenu(kCardSourceCaption);
  mnuOptionsSourceDefault = source->addAction(kSourceCaptions[0]);
  mnuOptionsSourceDataFile = source->addAction(kSourceCaptions[1]);
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
  mnuOptionsSourceSetSeed = source->addAction(kSetSeedCaption);
  connect(mnuOptionsSourceSetSeed, &QAction::triggered, this, [this] { RunSeedPanel(); });
  QMenu* log = mnuOptions->addMenu("Activity &Log");
  mnuOptionsLogAry = AddRadio(log, OptionGroup::Log, &options_.intLogLevel);
  log->addSeparator();
  mnuOptionsLogName = log->addAction(kLogNameCaption);
  connect(mnuOptionsLogName, &QAction::triggered, this, [this] {
    if (session_) session_->ChooseLogFile();
  });
  QMenu* style = mnuOptions->addMenu("Card Dec&k Style");
  mnuOptionsStyleDefault = style->addAction(kDeckStyleCaptions[0]);
  mnuOptionsStyleDogears = style->addAction(kDeckStyleCaptions[1]);
  mnuOptionsStyleCustom = style->addAction(kDeckStyleCaptions[2]);
  style->addSeparator();
  mnuOptionsStyleSave = style->addAction(kStyleSaveCaption);
  mnuOptionsStyleView = style->addAction(kStyleViewCaption);
  QMenu* patter = mnuOptions->addMenu("Obno&xious Patter");
  mnuOptionsPatterHide = patter->addAction(kPatterCaptions[0]);
  mnuOptionsPatterDefault = patter->addAction(kPatterCaptions[1]);
  mnuOptionsPatterCustom = patter->addAction(kPatterCaptions[2]);
  patter->addSeparator();
  mnuOptionsPatterSave = patter->addAction(kPatterSaveCaption);
  QMenu* sounds = mnuOptions->addMenu("Game Over Sou&nds");
  mnuOptionsSoundsDisable = sounds->addAction(kSoundsCaptions[0]);
  mnuOptionsSoundsDefault = sounds->addAction(kSoundsCaptions[1]);
  mnuOptionsSoundsCustom = sounds->addAction(kSoundsCaptions[2]);
  sounds->addSeparator();
  mnuOptionsSoundsWin = sounds->addAction(kSoundsWinCaption);
  mnuOptionsSoundsLoss = sounds->addAction(kSoundsLossCaption);
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
  mnuOptionsLogName->setEnabled(false);  // until there is a session
  for (QAction* a : {mnuOptionsStyleSave, mnuOptionsStyleView, mnuOptionsPatterSave,
                     mnuOptionsSoundsWin, mnuOptionsSoundsLoss})
    a->setEnabled(false);
  mnuOptionsBackgroundAry = AddRadio(mnuOptions->addMenu("&Background Color"), OptionGroup::Background,
                                     &options_.intBackgroundIndex);

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
  // The items themselves too, so that no shortcut reaches them.
  mnuFileNewMatch->setEnabled(false);
  for (QMenu* menu : {mnuFilePlayer, mnuOptions}) {
    menu->menuAction()->setEnabled(false);
    for (QAction* a : menu->findChildren<QAction*>()) a->setEnabled(false);
  }
}

}  // namespace kestrel
