// A writer killed with SIGKILL at random moments, 200 times: the settings
// file is always whole (old or new), a killed write leaves at most one
// temporary file, and the next start removes it.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

#include "settings/ini_file.h"
#include "settings/settings_file.h"
#include "tests/support/scratch_dir.h"

using namespace kestrel;
using kestrel::testing::ScratchDir;

namespace {

int Temporaries(const std::string& folder) {
  int n = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    n += entry.path().filename().string().rfind(".Kestrel32.ini.", 0) == 0;
  return n;
}

}  // namespace

TEST(KilledWrites, LeaveAtMostOneTemporaryWhichTheNextStartRemoves) {
  ScratchDir dir;
  const std::string big(200000, 'x');  // a long write widens the window for the kill
  std::mt19937 random(16);
  int killedMidWrite = 0, maxSeen = 0;
  for (int run = 0; run < 200; ++run) {
    pid_t pid = ::fork();
    if (pid == 0) {
      // A start of the program: leftovers go, then the settings are written.
      SettingsFile file(dir.Path(), CommandLine(""));
      file.RemoveLeftovers();
      for (int i = 0;; ++i) file.WriteIniString("Tester", "Value", std::to_string(i) + big);
    }
    ::usleep(2000 + random() % 20000);
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    const int left = Temporaries(dir.Path());
    maxSeen = std::max(maxSeen, left);
    killedMidWrite += left > 0;
    // The file is whole: the value is there, with all its characters.
    std::string text;
    bool missing = false;
    if (!IniFile(dir.File(kIniFileName)).Load(text, missing)) continue;  // killed before the first rename
    const size_t at = text.find("Value=");
    ASSERT_NE(at, std::string::npos);
    const size_t end = text.find("\r\n", at);
    ASSERT_NE(end, std::string::npos);
    ASSERT_GE(end - at, big.size());
    EXPECT_EQ(text.compare(end - big.size(), big.size(), big), 0);
  }
  EXPECT_LE(maxSeen, 1);
  SettingsFile(dir.Path(), CommandLine("")).RemoveLeftovers();
  EXPECT_EQ(Temporaries(dir.Path()), 0);
  std::printf("killed 200 writers; %d kills left a temporary; at most %d at a time\n", killedMidWrite, maxSeen);
}
