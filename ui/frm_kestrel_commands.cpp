// frmKestrel: the About panel, the help document, New Match, the New Seed or
// Pointer panel, and the pause for Continue they share.
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>
#include <cmath>

#include "ui/frm_kestrel.h"
#include "ui/key_table.h"
#include "ui/window_texts.h"

namespace kestrel {

bool FrmKestrel::PauseForContinue(const QString& message) {
  if (state_.blnRestoring) return true;
  const int16_t pending = state_.intWaitState;
  const QString pendingMessage = messageText_;
  if (!WaitForUser(message, kWaitContinue)) return false;
  state_.intWaitState = pending;
  if (pending > 0) ShowMessage(pendingMessage);
  DrawButtonStrip();
  UpdateKeyboardMenu();
  return true;
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
  PauseForContinue("About the program.\r" + (patterText ? patterText(3) : QString()));
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
  const QString text = "Unable to open: " + path;
  if (onWarning) onWarning("Kestrel", text);
  else QMessageBox::warning(this, "Kestrel", text);
}

void FrmKestrel::NewMatch() {
  txtPlayer->clear();
  state_.intWaitState = kWaitNone;  // the pending wait ends unanswered
}

QString FrmKestrel::RunSeedPanel(const QString& message1, const QString& current,
                                 const QString& message) {
  lblSeedMessage[0]->setText(message1);
  lblSeed->setText(current);
  imgSeedCardLeft->RenderCode(std::string{'F', static_cast<char>(30)});
  imgSeedCardRight->RenderCode(std::string{'F', static_cast<char>(10)});
  txtSeed->clear();
  frameSeed->raise();
  frameSeed->show();
  mnuOptionsSourceSetSeed->setEnabled(false);
  const int savedMode = intKeyMode_;
  SetKeyMode(kKeySeed);
  const bool confirmed = PauseForContinue(message);
  if (blnUnloading_) return QString();
  SetKeyMode(savedMode);
  mnuOptionsSourceSetSeed->setEnabled(true);
  txtSeed->hide();
  frameSeed->hide();
  imgSeedCardLeft->RenderCode("");
  imgSeedCardRight->RenderCode("");
  return confirmed ? txtSeed->text().trimmed() : QString();
}

}  // namespace kestrel
