// frmKestrel as the core's host: message boxes, file dialogs, sounds, the
// beep, the busy pointer and option changes made by the core.
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSoundEffect>
#include <QStandardPaths>
#include <QTemporaryFile>

#include "ui/frm_kestrel.h"

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
  if (onOpenFileDialog) return onOpenFileDialog(title, filter, startName);
  QFileDialog dialog(this, QString::fromStdString(title), StartPath(startName), QtFilter(filter));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setDefaultSuffix(QString::fromStdString(defaultExt));
  dialog.selectFile(StartPath(startName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first().toStdString();
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

void FrmKestrel::PlayWave(const std::vector<uint8_t>& image) {
  if (onPlayWave) {
    onPlayWave(image);
    return;
  }
  // An empty image stops whatever plays.
  if (QSoundEffect* effect = findChild<QSoundEffect*>("gameOverSound")) {
    effect->stop();
    if (image.empty()) return;
  }
  if (image.empty()) return;
  // The in-memory melody is played from a private temporary copy.
  auto* file = findChild<QTemporaryFile*>("gameOverWave");
  if (!file) {
    file = new QTemporaryFile(QDir::tempPath() + "/kestrel-XXXXXX.wav", this);
    file->setObjectName("gameOverWave");
  }
  if (!file->open()) return;
  file->resize(0);
  file->write(reinterpret_cast<const char*>(image.data()), static_cast<qint64>(image.size()));
  file->flush();
  PlaySoundFile(file->fileName().toStdString());
}

void FrmKestrel::PlaySoundFile(const std::string& path) {
  if (onPlaySoundFile) {
    onPlaySoundFile(path);
    return;
  }
  auto* effect = findChild<QSoundEffect*>("gameOverSound");
  if (!effect) {
    effect = new QSoundEffect(this);
    effect->setObjectName("gameOverSound");
  }
  effect->stop();
  if (path.empty()) return;
  effect->setSource(QUrl::fromLocalFile(QString::fromStdString(path)));
  effect->play();
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
