// frmKestrel: the "Card Deck Style" menu: the three styles, the back
// template, and the deck view in which cards of the dog-ear deck are marked.
#include "game/card_marks.h"
#include "game/match_controller.h"
#include "game/session.h"
#include "ui/frm_kestrel.h"
#include "ui/key_table.h"

namespace kestrel {

void FrmKestrel::ApplyDeckStyle() {
  options_.strMarkedCards = CleanMarkedCards(options_.strMarkedCards);
  renderer_.SetMarkedCards(options_.strMarkedCards);
  const CardRenderer::AppliedStyle applied =
      renderer_.ApplyDeckStyle(options_.intDeckStyle, QString::fromStdString(options_.strCardBackFile));
  options_.intDeckStyle = applied.style;
  options_.strCardBackFile = applied.customFile.toStdString();
  ApplyOptionsToMenus();
  RefreshAllCards();
}

void FrmKestrel::RefreshAllCards() {
  SetBusy(true);
  for (CardImage* card : findChildren<CardImage*>()) card->Refresh();
  SetBusy(false);
}

void FrmKestrel::ChooseDeckStyle(int16_t style) {
  if (options_.intDeckStyle == style) return;
  options_.intDeckStyle = style;
  renderer_.SetDeckStyle(style);
  ApplyOptionsToMenus();
  RefreshAllCards();
}

void FrmKestrel::BuildDeckMenu() {
  for (QAction* a : {mnuOptionsStyleDefault, mnuOptionsStyleDogears, mnuOptionsStyleCustom,
                     mnuOptionsStyleSave, mnuOptionsStyleView})
    a->setEnabled(true);
  connect(mnuOptionsStyleDefault, &QAction::triggered, this, [this] {
    const bool changed = options_.intDeckStyle != kDeckDefault;
    ChooseDeckStyle(kDeckDefault);
    if (changed && onOptionChanged) onOptionChanged(mnuOptionsStyleDefault);
    ApplyOptionsToMenus();
  });
  connect(mnuOptionsStyleDogears, &QAction::triggered, this, [this] {
    const bool changed = options_.intDeckStyle != kDeckDogEar;
    ChooseDeckStyle(kDeckDogEar);
    if (changed && onOptionChanged) onOptionChanged(mnuOptionsStyleDogears);
    ApplyOptionsToMenus();
  });
  connect(mnuOptionsStyleCustom, &QAction::triggered, this, [this] {
    ApplyOptionsToMenus();  // the check stays where it was until a picture loads
    const std::string start = options_.strCardBackFile.empty() ? "cardback.bmp" : options_.strCardBackFile;
    const std::string path = OpenFileDialog(
        "Load Custom Card Back",
        "Bitmap files (*.bmp;*.dib) Icon files (*.ico) Metafiles (*.wmf) All files (*.*)", "bmp", start, true);
    if (path.empty()) return;
    QString message;
    if (!renderer_.ChooseCustomBack(QString::fromStdString(path), &message)) {
      MessageBox(message.toStdString(), "Kestrel", MessageIcon::Exclamation);
      return;
    }
    options_.intDeckStyle = kDeckCustom;
    options_.strCardBackFile = path;
    ApplyOptionsToMenus();
    RefreshAllCards();
    if (onOptionChanged) onOptionChanged(mnuOptionsStyleCustom);
  });
  connect(mnuOptionsStyleSave, &QAction::triggered, this, [this] {
    const std::string path =
        SaveFileDialog("Save Card Back Template As", "Bitmap files (*.bmp)", "bmp", strTemplateFile_);
    if (path.empty()) return;
    strTemplateFile_ = path;
    QString message;
    if (!renderer_.SaveTemplate(QString::fromStdString(path), &message))
      MessageBox(message.toStdString(), "Kestrel", MessageIcon::Critical);
  });
  connect(mnuOptionsStyleView, &QAction::triggered, this, [this] { ViewDeck(); });
  onDeckCardClicked = [this](int card) {
    // Only the dog-ear deck takes marks; a fourteenth mark is refused.
    if (options_.intDeckStyle != kDeckDogEar || !frameDeck->isVisible()) return;
    if (ToggleMarkedCard(options_.strMarkedCards, card) == MarkChange::Refused) {
      Beep();
      return;
    }
    renderer_.SetMarkedCards(options_.strMarkedCards);
    RefreshAllCards();
    if (session_) session_->LogDogEar(card);
  };
}

void FrmKestrel::ViewDeck() {
  for (int c = 0; c < 52; ++c) imgCard[c]->RenderCode(std::string{'F', static_cast<char>(c)});
  frameDeck->raise();
  frameDeck->show();
  mnuOptionsStyleView->setEnabled(false);
  const int savedMode = intKeyMode_;
  SetKeyMode(kKeyDeckView);
  PauseForContinue("View deck (or mark cards, if dog-eared deck).", 0);
  if (blnUnloading_) return;
  SetKeyMode(savedMode);
  mnuOptionsStyleView->setEnabled(true);
  frameDeck->hide();
}

}  // namespace kestrel
