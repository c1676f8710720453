// Kestrel32: the program's start-up and shutdown. It reads the Global
// switches, chooses the player and loads his settings, builds the window and
// the match controller, and runs matches from the window's first activation
// until the window is closed; at exit the settings are written back.
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <cstring>

#include "game/card_source.h"
#include "game/card_source_deal.h"
#include "game/engine_bridge.h"
#include "game/match_controller.h"
#include "game/session.h"
#include "game/startup.h"
#include "patter/patter.h"
#include "settings/command_line.h"
#include "settings/options.h"
#include "settings/profile.h"
#include "settings/settings_file.h"
#include "stats/activity_log.h"
#include "stats/statistics.h"
#include "stats/statistics_report.h"
#include "settings/session_settings.h"
#include "ui/frm_kestrel.h"
#include "ui/screenshot_user.h"
#include "ui/single_instance.h"

// The engine reports a bad argument through this function, found by name.
extern "C" void KestrelEngineReport(const char* text, const char* caption) {
  QMessageBox::critical(QApplication::activeWindow(), QString::fromUtf8(caption ? caption : ""),
                        QString::fromUtf8(text ? text : ""));
}

int main(int argc, char** argv) {
  using namespace kestrel;
  QApplication app(argc, argv);
  app.setApplicationName("Kestrel");
  const std::string folder = QCoreApplication::applicationDirPath().toStdString();
  // Our own switch for the documentation's pictures; not passed on.
  QString screenshotDir;
  std::vector<const char*> args;
  for (int i = 0; i < argc; ++i) {
    if (std::strncmp(argv[i], "--screenshot=", 13) == 0) screenshotDir = QString::fromLocal8Bit(argv[i] + 13);
    else args.push_back(argv[i]);
  }
  const CommandLine commandLine(static_cast<int>(args.size()), args.data());
  SettingsFile settings(folder, commandLine, SettingsBesideProgram(folder));

  GameState state;
  Options options;
  ReadGlobalSwitchesInto(settings, state);

  // A single running copy unless the Global switch allows more: a second
  // copy brings the first one forward and ends.
  SingleInstance instance;
  if (!state.blnAllowMultipleInstances) {
    switch (instance.Claim()) {
      case SingleInstance::Outcome::kFirst: break;
      case SingleInstance::Outcome::kRaised: return 0;
      case SingleInstance::Outcome::kNoAnswer:
        QMessageBox::warning(nullptr, "Kestrel", QString("Kestrel") + " already running...");
        return 0;
    }
  }

  FrmKestrel window(state, options);
  settings.SetHost(&window);

  EngineBridge engine(folder);
  engine.SetHost(&window);
  CardSource cards(options, [&engine](int32_t seed) { return engine.RandSeed(seed); });
  cards.SetHost(&window);
  CardSourceDeal deal(cards, options);
  PatterTable patter;
  Statistics statistics;
  ActivityLog log(options, window);
  MatchController controller(state, options, window, engine, deal, patter, statistics, log);
  window.SetController(&controller);
  // The player (the command line's, else the first stored one, else
  // "MoonBeam"), his settings applied; then locked play.
  Session session(settings, state, options, patter, statistics, controller, window, log);
  window.SetSession(&session);
  cards.SetReversionHandler([&session](const std::string& text) { session.CardSourceReverted(text); });
  session.Start(commandLine.Value("Player"));
  if (session.Locked()) window.ApplyLock();
  window.SetMatchLoop([&controller] { controller.PlayMatch(); });
  // File > Show Statistics and Log, Append Statistics to Log.
  window.statisticsReport = [&] {
    return StatisticsReport(state, statistics, controller.PlayerName(), session.SettingsText());
  };
  window.onAppendStatistics = [&] {
    AppendStatisticsToLog(window, log, options.strLogFile, window.statisticsReport());
  };
  window.onShutdown = [&] { session.Save(); };
  // Options > Card Source > New Seed or Pointer: the panel over the table.
  window.onSetSeed = [&] {
    const QStringList texts = {QString::fromStdString(cards.SourcePrompt()), CardSource::kSeedMessage2,
                               CardSource::kSeedMessage3};
    const QString entry = window.RunSeedPanel(texts, QString::number(options.lngSeedOrPointer));
    if (window.Unloading()) return;
    const CardSource::SeedEntry result = cards.ApplySeedEntry(entry.toStdString());
    if (result.outcome == CardSource::SeedEntry::kInvalid)
      window.MessageBox(result.message, "Kestrel", MessageIcon::Information);
    if (result.outcome == CardSource::SeedEntry::kChanged) session.LogOptionChange(OptionItemView{kSetSeedCaption});
  };
  QObject::connect(&instance, &SingleInstance::showRequested, &window, [&window] {
    window.showNormal();
    window.raise();
    window.activateWindow();
  });

  std::unique_ptr<ScreenshotUser> screenshots;
  if (!screenshotDir.isEmpty()) screenshots = std::make_unique<ScreenshotUser>(window, controller, screenshotDir);

  window.show();
  return app.exec();
}
