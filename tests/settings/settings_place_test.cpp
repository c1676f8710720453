// Where an installed program and a portable copy keep their settings.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>

#include "settings/settings_file.h"
#include "tests/support/scratch_dir.h"

namespace kestrel {
namespace {

using testing::ScratchDir;

TEST(SettingsPlace, InstalledProgramWritesToTheUserConfigFolder) {
  ScratchDir program, home;
  EXPECT_TRUE(SettingsBesideProgram(program.Path()));  // a build tree or a portable copy
  EXPECT_FALSE(SettingsBesideProgram(program.File("missing")));
  ScratchDir::Put(program.File(kInstalledMarker), "");
  ASSERT_FALSE(SettingsBesideProgram(program.Path()));

  // A fresh home folder: ~/.config does not exist yet and is made.
  ::unsetenv("XDG_CONFIG_HOME");
  const char* oldHome = std::getenv("HOME");
  const std::string savedHome = oldHome ? oldHome : "";
  ::setenv("HOME", home.Path().c_str(), 1);
  SettingsFile installed(program.Path(), CommandLine(""), false);
  EXPECT_EQ(installed.DefaultLogFile("Ann"), home.Path() + "/.config/Kestrel/Ann.log");
  EXPECT_TRUE(installed.WriteIniString("Global", "Version", "v"));
  EXPECT_NE(ScratchDir::Get(home.Path() + "/.config/Kestrel/Kestrel32.ini").find("Version=v"), std::string::npos);
  EXPECT_FALSE(ScratchDir::Exists(program.File("Kestrel32.ini")));

  // ~/.config/Kestrel is a file: the write fails and is reported, the file stays.
  ScratchDir other;
  ::setenv("HOME", other.Path().c_str(), 1);
  ::mkdir((other.Path() + "/.config").c_str(), 0700);
  ScratchDir::Put(other.Path() + "/.config/Kestrel", "mine");
  SettingsFile blocked(program.Path(), CommandLine(""), false);
  int reports = 0;
  blocked.SetWriteFailureHandler([&](const std::string&) { ++reports; });
  EXPECT_FALSE(blocked.WriteIniString("Global", "Version", "v"));
  EXPECT_EQ(reports, 1);
  EXPECT_EQ(ScratchDir::Get(other.Path() + "/.config/Kestrel"), "mine");
  ::setenv("HOME", savedHome.c_str(), 1);
}

}  // namespace
}  // namespace kestrel
