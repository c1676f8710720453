// Kestrel32: the program's start-up and shutdown.
#include <QApplication>
#include <QMessageBox>

#include "game/game_state.h"
#include "settings/options.h"
#include "ui/frm_kestrel.h"

// The engine reports a bad argument through this function, found by name.
extern "C" void KestrelEngineReport(const char* text, const char* caption) {
  QMessageBox::critical(QApplication::activeWindow(), QString::fromUtf8(caption ? caption : ""),
                        QString::fromUtf8(text ? text : ""));
}

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  kestrel::GameState state;
  kestrel::Options options;
  kestrel::FrmKestrel window(state, options);
  window.show();
  return app.exec();
}
