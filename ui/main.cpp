// Kestrel32: the program's start-up and shutdown. It reads the Global
// switches, chooses the player and loads his settings, builds the window and
// the match controller, and runs matches from the window's first activation
// until the window is closed; at exit the settings are written back.
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QSessionManager>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>

#include <fcntl.h>
#include <unistd.h>

#include "game/card_source.h"
#include "game/card_source_deal.h"
#include "game/engine_bridge.h"
#include "game/match_controller.h"
#include "game/match_record.h"
#include "game/patter_choices.h"
#include "game/session.h"
#include "game/startup.h"
#include "patter/patter.h"
#include "patter/patter_file.h"
#include "settings/command_line.h"
#include "settings/options.h"
#include "settings/profile.h"
#include "settings/settings_file.h"
#include "settings/window_placement.h"
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

namespace {

// SIGTERM, SIGHUP and SIGINT end the program the way File > Exit does: the
// handler only writes the signal's number into a pipe, and the event loop
// closes the window, which saves the settings. A second signal ends the
// program at once.
int g_signalPipe[2] = {-1, -1};

void OnTerminateSignal(int sig) {
  const char c = static_cast<char>(sig);
  const int saved = errno;
  [[maybe_unused]] ssize_t n = ::write(g_signalPipe[1], &c, 1);
  errno = saved;
}

void CatchTerminateSignals() {
  if (::pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
  struct sigaction sa {};
  sa.sa_handler = OnTerminateSignal;
  sigemptyset(&sa.sa_mask);
  sa.sa_flags = SA_RESTART | SA_RESETHAND;
  for (int sig : {SIGTERM, SIGHUP, SIGINT}) ::sigaction(sig, &sa, nullptr);
}

// When the display goes away Qt ends the program with exit() from inside the
// event loop, where main's objects still live: the settings are saved then.
std::function<void()> g_saveAtExit;

void SaveAtExit() {
  if (g_saveAtExit) g_saveAtExit();
}

}  // namespace

int main(int argc, char** argv) {
  using namespace kestrel;
  // First of all, so that a signal sent at start-up is never lost.
  CatchTerminateSignals();
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

  // Temporary files of writes that were killed before they finished.
  settings.RemoveLeftovers();

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

  // Without every export of the engine there is no game to play: say what is
  // missing and where it was looked for, and end.
  if (const std::string problem = EngineBridge(folder).CheckEngine(); !problem.empty()) {
    std::fprintf(stderr, "Kestrel: %s\n", problem.c_str());
    QMessageBox::critical(nullptr, "Kestrel", QString::fromStdString(problem));
    return 1;
  }

  // The engine and the card source come first: loading a saved match draws
  // its hand again to check the record.
  EngineBridge engine(folder);
  CardSource cards(options, [&engine](int32_t seed) { return engine.RandSeed(seed); });
  Statistics statistics;
  MatchRecord record(
      state, options, statistics, [&engine](int32_t seed) { return engine.RandSeed(seed); },
      [&cards, &options](const HandStartSnapshot& at) { return PeekHandCards(cards, options, at); });
  FrmKestrel window(state, options);
  settings.SetHost(&window);

  engine.SetHost(&window);
  // The Computer Opponent level chooses the library of the computer's decisions.
  window.onOpponentChanged = [&] { engine.SetDecisionLibrary(true, OpponentLibraryFile(options.intOpponent)); };
  cards.SetHost(&window);
  CardSourceDeal deal(cards, options);
  PatterTable patter;
  ActivityLog log(options, window);
  MatchController controller(state, options, window, engine, deal, patter, statistics, log);
  controller.SetRecorder(&record);
  window.SetController(&controller);
  PatterChoices patterChoices(options, patter, window, [&controller] { controller.RefreshPatterLine(); });
  window.SetPatterAndSounds(&patterChoices, &controller.Sounds());
  // The player (the command line's, else the first stored one, else
  // "MoonBeam"), his settings and his unfinished match; then locked play.
  Session session(settings, state, options, patter, statistics, controller, window, log);
  session.SetRecordHooks(&record);
  session.loadPatterFile = [&patter](const std::string& path) {
    patter.LoadDefaultPatter();
    return kestrel::LoadPatterFile(path, patter);
  };
  window.SetSession(&session);
  session.SetCardSource(&cards);
  session.Start(commandLine.Value("Player"));
  if (session.Locked()) {
    window.ApplyLock();
    record.SetLockedSave([&session] { session.Save(); });
  }
  controller.Sounds().ApplySounds();
  window.ApplyOptionsToMenus();
  window.ApplyPatterLayout();
  // Each match (a change of player starts one) plays the stored Computer Opponent.
  window.SetMatchLoop([&] {
    engine.SetDecisionLibrary(true, OpponentLibraryFile(options.intOpponent));
    controller.PlayMatch();
  });
  // File > Show Statistics and Log, Append Statistics to Log.
  window.statisticsReport = [&] {
    return StatisticsReport(state, statistics, controller.PlayerName(), session.SettingsText());
  };
  window.onAppendStatistics = [&] {
    AppendStatisticsToLog(window, log, options.strLogFile, window.statisticsReport());
  };
  bool saved = false;
  auto saveOnce = [&] {
    if (saved) return;
    saved = true;
    session.Save();
    WindowPlacement placement;
    window.CurrentPlacement(placement.clientWidth, placement.clientHeight, placement.maximised);
    WriteWindowPlacement(settings, placement);
  };
  window.onShutdown = saveOnce;
  g_saveAtExit = [&] {
    // No window to report to any more.
    settings.SetWriteFailureHandler([](const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); });
    saveOnce();
  };
  std::atexit(SaveAtExit);
  QObject::connect(&instance, &SingleInstance::showRequested, &window, [&window] {
    window.showNormal();
    window.raise();
    window.activateWindow();
  });

  std::unique_ptr<ScreenshotUser> screenshots;
  if (!screenshotDir.isEmpty()) screenshots = std::make_unique<ScreenshotUser>(window, controller, screenshotDir);

  // The size and state of the last run (the window's own default otherwise).
  if (const auto placement = ReadWindowPlacement(settings))
    window.ApplyPlacement(placement->clientWidth, placement->clientHeight, placement->maximised);

  // A signal, or the session manager's quit, closes the window as File > Exit does.
  // Every event loop is told to end first, so that no dialog open at the
  // moment (nor a failure report of the save) waits for a click.
  std::unique_ptr<QSocketNotifier> signalNotifier;
  if (g_signalPipe[0] >= 0) {
    signalNotifier = std::make_unique<QSocketNotifier>(g_signalPipe[0], QSocketNotifier::Read);
    QObject::connect(signalNotifier.get(), &QSocketNotifier::activated, &window, [&window] {
      char c;
      while (::read(g_signalPipe[0], &c, 1) > 0) {
      }
      QCoreApplication::exit(0);
      window.close();
    });
  }
  QObject::connect(&app, &QGuiApplication::commitDataRequest, &window, [&window](QSessionManager&) { window.close(); });

  window.show();
  const int rc = app.exec();
  g_saveAtExit = nullptr;  // main's objects go now
  return rc;
}
