// frmKestrel: the About panel, the help document, New Match, the New Seed or
// Pointer panel, and the pause for Continue they share.
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>
#include <cmath>

#include "game/card_source.h"
#include "game/match_controller.h"
#include "game/session.h"
#include "patter/patter.h"
#include "ui/frm_kestrel.h"
#include "ui/key_table.h"
#include "ui/window_texts.h"

namespace kestrel {

bool FrmKestrel::PauseForContinue(const std::string& message, int patterSlot) {
  return controller_->PauseForContinue(WithPatter(message, controller_->Patter(), patterSlot));
}

void FrmKestrel::ShowAbout() {
  const int tx = static_cast<int>(std::lround(1440.0 / logicalDpiX()));
  const int ty = static_cast<int>(std::lround(1440.0 / logicalDpiY()));
  const AboutTexts texts = BuildAboutTexts(tx, ty);
  imgAboutCardLeft->RenderCode(std::string{'F', static_cast<char>(30)});
  imgAboutCardRight->RenderCode(std::string{'F', static_cast<char>(10)});
  frameAbout->raise();
  frameAbout->show();
  lblAboutMessageTop->setText(texts.top);
  lblAboutMessageLeft->setText(texts.left);
  lblAboutMessageRight->setText(texts.right);
  lblAboutMessageBot->setText(texts.bottom);
  mnuHelpAbout->setEnabled(false);
  const int savedMode = intKeyMode_;
  SetKeyMode(kKeyAbout);
  PauseForContinue("About the program.", 3);
  // Exit during the pause: the window is going; leave it as it is.
  if (blnUnloading_) return;
  SetKeyMode(savedMode);
  mnuHelpAbout->setEnabled(true);
  frameAbout->hide();
  frameAbout->lower();
  imgAboutCardLeft->RenderCode("");
  imgAboutCardRight->RenderCode("");
}

QString FrmKestrel::HelpDocumentPath() {
  return QCoreApplication::applicationDirPath() + "/KestrelHelp32.pdf";
}

void FrmKestrel::OpenHelpContents() {
  const QString path = HelpDocumentPath();
  const bool opened = QFileInfo::exists(path) && QDesktopServices::openUrl(QUrl::fromLocalFile(path));
  if (opened) return;
  MessageBox("Unable to open: " + path.toStdString(), "Kestrel", MessageIcon::Exclamation);
}

void FrmKestrel::NewMatch() {
  txtPlayer->clear();
  // The pending wait ends unanswered: the match is abandoned.
  controller_->NewMatch();
}

QString FrmKestrel::RunSeedPanel(const QStringList& texts, const QString& current) {
  for (int k = 0; k < 3; ++k) lblSeedMessage[k]->setText(k < texts.size() ? texts[k] : QString());
  lblSeed->setText(current);
  imgSeedCardLeft->RenderCode(std::string{'F', static_cast<char>(30)});
  imgSeedCardRight->RenderCode(std::string{'F', static_cast<char>(10)});
  txtSeed->clear();
  frameSeed->raise();
  frameSeed->show();
  mnuOptionsSourceSetSeed->setEnabled(false);
  const int savedMode = intKeyMode_;
  SetKeyMode(kKeySeed);
  const bool confirmed = PauseForContinue(CardSource::kSeedWaitMessage, 2);
  if (blnUnloading_) return QString();
  SetKeyMode(savedMode);
  mnuOptionsSourceSetSeed->setEnabled(true);
  txtSeed->hide();
  frameSeed->hide();
  imgSeedCardLeft->RenderCode("");
  imgSeedCardRight->RenderCode("");
  return confirmed ? txtSeed->text().trimmed() : QString();
}

void FrmKestrel::RunSeedPanel() {
  if (!session_) return;
  QStringList texts;
  for (const std::string& text : session_->SeedPanelTexts()) texts << QString::fromStdString(text);
  const QString entry = RunSeedPanel(texts, QString::fromStdString(session_->SeedPanelValue()));
  if (!blnUnloading_) session_->EnterSeedOrPointer(entry.toStdString());
}

void FrmKestrel::RunNewPlayerPanel() {
  if (!session_ || session_->Locked()) return;
  for (int k = 0; k < 3; ++k) lblNewMessage[k]->setText(kNewPlayerTexts[k]);
  imgNewCardLeft->RenderCode(std::string{'F', static_cast<char>(30)});
  imgNewCardRight->RenderCode(std::string{'F', static_cast<char>(10)});
  txtPlayer->clear();
  frameNew->raise();
  frameNew->show();
  mnuFilePlayerNew->setEnabled(false);
  const int savedMode = intKeyMode_;
  SetKeyMode(kKeyPlayerName);
  const bool confirmed = PauseForContinue(kNewPlayerPrompt, kPatterNewPlayer);
  if (blnUnloading_) return;
  SetKeyMode(savedMode);
  mnuFilePlayerNew->setEnabled(true);
  txtPlayer->hide();
  frameNew->hide();
  imgNewCardLeft->RenderCode("");
  imgNewCardRight->RenderCode("");
  // An abandoned wait (New Match, exit) is no confirmation.
  if (confirmed) session_->EnterNewPlayer(txtPlayer->text().toStdString());
}

}  // namespace kestrel
