// frmKestrel as the core's host: message boxes, file dialogs, sounds, the
// beep, the busy pointer and option changes made by the core.
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStandardPaths>

#include "game/regular_file.h"

#include "ui/frm_kestrel.h"
#include "ui/sound_output.h"

namespace kestrel {

namespace {

// "Text files (*.txt) All files (*.*)": each parenthesised group ends one
// filter; Qt wants them separated by ";;" and patterns by blanks.
QString QtFilter(const std::string& filter) {
  QStringList parts;
  QString rest = QString::fromStdString(filter);
  for (;;) {
    const int close = rest.indexOf(')');
    if (close < 0) break;
    QString one = rest.left(close + 1).trimmed();
    one.replace(';', ' ');
    parts << one;
    rest = rest.mid(close + 1);
  }
  return parts.join(";;");
}

QString StartPath(const std::string& startName) {
  const QString name = QString::fromStdString(startName);
  if (QDir::isAbsolutePath(name)) return name;
  return QCoreApplication::applicationDirPath() + "/" + name;
}

}  // namespace

bool FrmKestrel::MessageBox(const std::string& text, const std::string& title, MessageIcon icon) {
  // A box asks for the user: the normal pointer while it shows.
  const bool busy = busy_;
  SetBusy(false);
  const bool answer = ShowMessageBox(text, title, icon);
  SetBusy(busy);
  return answer;
}

bool FrmKestrel::ShowMessageBox(const std::string& text, const std::string& title, MessageIcon icon) {
  if (onMessageBox) return onMessageBox(text, title, icon);
  const QString t = QString::fromStdString(text).replace("\r\n", "\n").replace('\r', '\n');
  const QString caption = QString::fromStdString(title);
  switch (icon) {
    case MessageIcon::Question:
      return QMessageBox::question(this, caption, t, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    case MessageIcon::Critical: QMessageBox::critical(this, caption, t); return true;
    case MessageIcon::Exclamation: QMessageBox::warning(this, caption, t); return true;
    case MessageIcon::Information: QMessageBox::information(this, caption, t); return true;
    case MessageIcon::None: {
      QMessageBox box(QMessageBox::NoIcon, caption, t, QMessageBox::Ok, this);
      box.exec();
      return true;
    }
  }
  return true;
}

std::string FrmKestrel::OpenFileDialog(const std::string& title, const std::string& filter,
                                       const std::string& defaultExt, const std::string& startName,
                                       bool mustExist) {
  std::string path;
  if (onOpenFileDialog) {
    path = onOpenFileDialog(title, filter, startName);
  } else {
    QFileDialog dialog(this, QString::fromStdString(title), StartPath(startName), QtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QString::fromStdString(defaultExt));
    dialog.selectFile(StartPath(startName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    path = dialog.selectedFiles().first().toStdString();
  }
  // A file to be read must be a plain file: a FIFO or a device would hang
  // the program at its first use.
  if (mustExist && !path.empty() && CheckRegularFile(path) == FileStatus::kNotRegular) {
    MessageBox("Problem reading file:\r\r" + path + "\r\rOnly a plain file can be used.", "Kestrel",
               MessageIcon::Exclamation);
    return {};
  }
  return path;
}

std::string FrmKestrel::SaveFileDialog(const std::string& title, const std::string& filter,
                                       const std::string& defaultExt, const std::string& startName) {
  if (onSaveFileDialog) return onSaveFileDialog(title, filter, startName);
  QFileDialog dialog(this, QString::fromStdString(title), StartPath(startName), QtFilter(filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QString::fromStdString(defaultExt));
  dialog.selectFile(StartPath(startName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first().toStdString();
}

bool FrmKestrel::PlayWave(const std::vector<uint8_t>& image) {
  if (onPlayWave) return onPlayWave(image);
  if (!sound_) sound_ = new SoundOutput(this);
  return sound_->Play(image);
}

bool FrmKestrel::StopSound() {
  if (onStopSound) return onStopSound();
  if (!sound_) sound_ = new SoundOutput(this);
  return sound_->Stop();
}

void FrmKestrel::Beep() { QApplication::beep(); }

void FrmKestrel::SetBusy(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  if (busy) QApplication::setOverrideCursor(Qt::WaitCursor);
  else QApplication::restoreOverrideCursor();
}

void FrmKestrel::OptionsChanged() { ApplyOptionsToMenus(); }

void FrmKestrel::ApplyCardBack() { ApplyDeckStyle(); }

}  // namespace kestrel
