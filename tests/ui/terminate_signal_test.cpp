// The built program, ended by a signal as a logout or a closed terminal ends
// it, saves the settings as File > Exit does. It runs from a scratch folder of
// its own (with the engine beside it) so that its settings file is the
// test's alone.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

#include "settings/ini_file.h"
#include "tests/support/scratch_dir.h"

namespace kestrel::testing {
namespace {

using Clock = std::chrono::steady_clock;

void Copy(const std::string& from, const std::string& to) {
  ScratchDir::Put(to, ScratchDir::Get(from));
  ::chmod(to.c_str(), 0755);
}

// True once the process catches the signal (its handler is in place).
bool Catches(pid_t pid, int sig) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("SigCgt:", 0) != 0) continue;
    unsigned long long mask = std::stoull(line.substr(7), nullptr, 16);
    return (mask >> (sig - 1)) & 1;
  }
  return false;
}

// Starts the program, waits until it is running its window, sends the
// signal and returns the exit status (-1 when it did not end in time).
int RunAndSignal(const ScratchDir& dir, int sig, const std::string& defaults) {
  pid_t pid = ::fork();
  if (pid == 0) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    std::string program = dir.File("Kestrel32");
    std::string player = "/Player=Tester";
    std::string options = "/Defaults=" + defaults;
    execl(program.c_str(), program.c_str(), player.c_str(), options.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  auto deadline = Clock::now() + std::chrono::seconds(30);
  while (!Catches(pid, sig) && Clock::now() < deadline) std::this_thread::sleep_for(std::chrono::milliseconds(20));
  // Let the window come up and the match start before the signal arrives.
  std::this_thread::sleep_for(std::chrono::milliseconds(1500));
  ::kill(pid, sig);
  int status = 0;
  deadline = Clock::now() + std::chrono::seconds(30);
  while (::waitpid(pid, &status, WNOHANG) == 0) {
    if (Clock::now() > deadline) {
      ::kill(pid, SIGKILL);
      ::waitpid(pid, &status, 0);
      return -1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// The options record without its first field (the seed moves on as cards are dealt).
std::string AfterSeed(const std::string& record) { return record.substr(record.find(',') + 1); }

}  // namespace

TEST(TerminateSignal, SigtermAndSighupSaveTheChangedOptions) {
  const std::string bin = KESTREL_BIN_DIR;
  for (int sig : {SIGTERM, SIGHUP}) {
    SCOPED_TRACE(sig == SIGTERM ? "SIGTERM" : "SIGHUP");
    ScratchDir dir;
    Copy(bin + "/Kestrel32", dir.File("Kestrel32"));
    Copy(bin + "/libOsprey32.so", dir.File("libOsprey32.so"));
    const std::string ini = dir.File("Kestrel32.ini");
    // The player has no options yet; the ones given on the command line
    // differ from the defaults in the check marks and several choices.
    ScratchDir::Put(ini, "[Global]\nAllowMultipleInstances=1\nPlayers=Tester\n");
    const std::string given = "777,0,1,0,1,0,1,2,1,3,0,0,0,0,0,2";
    // A leftover temporary of a killed write goes at start-up.
    ScratchDir::Put(dir.File(".Kestrel32.ini.Ab12Cd"), "half");
    EXPECT_EQ(RunAndSignal(dir, sig, given), 0);
    const std::string saved = IniFile(ini).Read("Tester", "Options").value_or("");
    EXPECT_EQ(AfterSeed(saved), AfterSeed(given)) << saved;
    EXPECT_FALSE(ScratchDir::Exists(dir.File(".Kestrel32.ini.Ab12Cd")));
    EXPECT_EQ(RemoveIniTemporaries(dir.Path()), 0);
  }
}

}  // namespace kestrel::testing
