// frmKestrel: "Show Statistics and Log" (the statistics report and the log
// tail in the frameHistory panel) and "Append Statistics to Log...".
#include <QTextCursor>

#include "stats/log_tail.h"
#include "ui/frm_kestrel.h"
#include "ui/key_table.h"

namespace kestrel {

void FrmKestrel::BuildHistoryMenu() {
  // The text can be scrolled and selected, not edited.
  txtHistory->setReadOnly(true);
  txtHistory->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  txtHistory->setFocusPolicy(Qt::StrongFocus);
  mnuFileShowHistory->setEnabled(true);
  mnuFileAppendHistory->setEnabled(true);
  connect(mnuFileShowHistory, &QAction::triggered, this, [this] { ShowHistory(); });
  connect(mnuFileAppendHistory, &QAction::triggered, this, [this] {
    if (onAppendStatistics) onAppendStatistics();
  });
}

QString FrmKestrel::HistoryText() const {
  std::string text = statisticsReport ? statisticsReport() : std::string();
  text += LogTail(options_.strLogFile, 8192, "\r\n Game ");
  // The text box breaks lines at LF; the report and the log end theirs in CR LF.
  std::string shown;
  shown.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i)
    if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) shown += text[i];
  return QString::fromLocal8Bit(shown.data(), static_cast<qsizetype>(shown.size()));
}

void FrmKestrel::ShowHistory() {
  frameHistory->raise();
  frameHistory->show();
  txtHistory->setPlainText(HistoryText());
  txtHistory->moveCursor(QTextCursor::Start);
  mnuFileShowHistory->setEnabled(false);
  const int savedMode = intKeyMode_;
  SetKeyMode(kKeyHistory);
  PauseForContinue("Match statistics (and log tail, if any).", 1);
  // Exit during the pause: the window is going; leave it as it is.
  if (blnUnloading_) return;
  SetKeyMode(savedMode);
  mnuFileShowHistory->setEnabled(true);
  txtHistory->hide();
  frameHistory->hide();
}

}  // namespace kestrel
