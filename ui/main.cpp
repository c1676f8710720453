// Kestrel32: the program's start-up and shutdown. It reads the Global
// switches, chooses the player and loads his settings, builds the window and
// the match controller, and runs matches from the window's first activation
// until the window is closed; at exit the settings are written back.
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <cstring>

#include "game/deal_source.h"
#include "game/engine_bridge.h"
#include "game/match_controller.h"
#include "game/startup.h"
#include "patter/patter.h"
#include "settings/command_line.h"
#include "settings/options.h"
#include "settings/player_name.h"
#include "settings/profile.h"
#include "settings/settings_file.h"
#include "stats/activity_log.h"
#include "stats/statistics.h"
#include "ui/frm_kestrel.h"
#include "ui/screenshot_user.h"

// The engine reports a bad argument through this function, found by name.
extern "C" void KestrelEngineReport(const char* text, const char* caption) {
  QMessageBox::critical(QApplication::activeWindow(), QString::fromUtf8(caption ? caption : ""),
                        QString::fromUtf8(text ? text : ""));
}

namespace kestrel {
namespace {

// The default card sequence: each card from the top byte of the engine's
// generator stepped from the player's seed.
class SeedSequence : public DealSource {
 public:
  SeedSequence(EngineBridge& bridge, Options& options) : bridge_(bridge), options_(options) {}
  std::string DrawCards(int n) override {
    std::string cards;
    while (static_cast<int>(cards.size()) < n) {
      int x = 0;
      do {
        options_.lngSeedOrPointer = bridge_.RandSeed(options_.lngSeedOrPointer);
        x = static_cast<int>((static_cast<uint32_t>(options_.lngSeedOrPointer) >> 24) / 4);
      } while ((x & 15) >= 13);
      const char card = static_cast<char>((x / 16) * 13 + (x % 16));
      if (cards.find(card) == std::string::npos) cards += card;
    }
    return cards;
  }
  int32_t SeedOrPointer() const override { return options_.lngSeedOrPointer; }
  bool SourceIsDataFile() const override { return false; }

 private:
  EngineBridge& bridge_;
  Options& options_;
};

}  // namespace
}  // namespace kestrel

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
  SettingsFile settings(folder, commandLine);

  GameState state;
  Options options;
  ReadGlobalSwitchesInto(settings, state);

  // The player: the command line's, else the first stored one, else "MoonBeam".
  std::string player = CommandLinePlayer(commandLine);
  const std::vector<std::string> players =
      RecentPlayerMenu(player, settings.ReadIniString(kGlobalSection, "Players"), 12);
  if (player.empty()) player = players.front();
  ResetDefaults(options);
  MatchRecordHooks noMatch;
  LoadSettings(settings, player, options, noMatch);

  FrmKestrel window(state, options);
  settings.SetWriteFailureHandler([&window](const std::string& text) {
    window.MessageBox(text, "Kestrel", MessageIcon::Critical);
  });
  window.lblName->setText(QString::fromStdString(player));
  window.ApplyOptionsToMenus();
  window.ApplyBackground();
  if (IsLocked(commandLine)) window.ApplyLock();

  EngineBridge engine(folder);
  engine.SetBusyHandler([&window](bool busy) { window.SetBusy(busy); });
  engine.SetWarningHandler([&window](const std::string& text) {
    window.MessageBox(text, "Kestrel", MessageIcon::Exclamation);
  });
  SeedSequence deal(engine, options);
  PatterTable patter;
  Statistics statistics;
  ActivityLog log(options, window);
  MatchController controller(state, options, window, engine, deal, patter, statistics, log);
  controller.SetPlayerName(player);
  window.SetController(&controller);
  window.patterText = [&patter](int slot) { return QString::fromStdString(patter.PatterText(slot)); };
  window.SetMatchLoop([&controller] { controller.PlayMatch(); });
  window.onShutdown = [&] { SaveSettings(settings, player, options, noMatch); };

  std::unique_ptr<ScreenshotUser> screenshots;
  if (!screenshotDir.isEmpty()) screenshots = std::make_unique<ScreenshotUser>(window, controller, screenshotDir);

  window.show();
  return app.exec();
}
