// The profile file on disk: reading hand-edited files, keeping what we do not
// own when writing, where the file lives, and the remembered window size.
#include <gtest/gtest.h>


#include <cstdlib>
#include <string>

#include "settings/ini_file.h"
#include "settings/window_placement.h"
#include "tests/settings/settings_rig.h"

namespace kestrel::testing {
namespace {

const std::string kHandEdited =
    "; Kestrel settings, edited by hand\r\n"
    "[global]\r\n"
    "VERSION=Kestrel (02 Jan 19)\r\n"
    "  allowmultipleinstances = 1 ;0/1\r\n"
    "AllowCtrlF10=\r\n"
    "this line has no equals sign\r\n"
    "UsePetrelDLL=6\r\n"
    "\r\n"
    "[Ann]\r\n"
    "Options=13896,1,0\r\n"
    "DataFile=   /tmp/cards.bin   \r\n"
    "Garbage=\x01\x02\xff\xfe\x80 tail\r\n"
    "Long=" + std::string(300, 'x') + "\r\n"
    "Big=40000\r\n"
    "Neg=-7 x\r\n";

TEST(IniFile, ReadsAndWritesAHandEditedFile) {
  SettingsRig rig("", kHandEdited);
  const SettingsFile& f = rig.file;
  EXPECT_EQ(f.ReadIniString("Global", "Version"), "Kestrel (02 Jan 19)");
  EXPECT_EQ(f.ReadIniInt("GLOBAL", "AllowMultipleInstances"), 1);  // comment after the value
  EXPECT_EQ(f.ReadIniString("Global", "AllowMultipleInstances"), "1 ;0/1");
  EXPECT_EQ(f.ReadIniInt("Global", "AllowCtrlF10"), 0);             // blank value
  EXPECT_EQ(f.ReadIniString("Global", "AllowCtrlF10"), "");
  EXPECT_EQ(f.ReadIniInt("Global", "UsePetrelDLL"), 6);
  EXPECT_EQ(f.ReadIniString("Ann", "DataFile"), "/tmp/cards.bin");
  EXPECT_EQ(f.ReadIniString("Ann", "Garbage"), "\x01\x02\xff\xfe\x80 tail");
  EXPECT_EQ(f.ReadIniString("Ann", "Long"), std::string(255, 'x'));  // cut at 255
  EXPECT_EQ(f.ReadIniInt("Ann", "Big"), 0);                          // out of 16-bit range
  EXPECT_EQ(f.ReadIniInt("Ann", "Neg"), -7);
  EXPECT_EQ(f.ReadIniString("Ann", "Version"), "");     // key of another section
  EXPECT_EQ(f.ReadIniString("Bob", "Options"), "");     // missing section
  EXPECT_EQ(f.ReadIniInt("Global", "this line has no equals sign"), 0);

  // A write keeps everything else and the line ends.
  ASSERT_TRUE(rig.file.WriteIniString("GLOBAL", "usepetreldll", "2"));
  std::string expected = kHandEdited;
  expected.replace(expected.find("UsePetrelDLL=6"), 14, "UsePetrelDLL=2");
  EXPECT_EQ(rig.Text(), expected);

  // A new key goes to the end of its section, before the blank line.
  ASSERT_TRUE(rig.file.WriteIniString("Global", "Players", "Ann,Bob"));
  expected.insert(expected.find("\r\n\r\n[Ann]") + 2, "Players=Ann,Bob\r\n");
  EXPECT_EQ(rig.Text(), expected);

  // A new section is appended; an empty value stays as a key.
  ASSERT_TRUE(rig.file.WriteIniString("Bob", "LogFile", ""));
  expected += "[Bob]\r\nLogFile=\r\n";
  EXPECT_EQ(rig.Text(), expected);
  EXPECT_EQ(rig.file.ReadIniString("Bob", "LogFile"), "");

  // No file, an empty file and binary garbage read as missing.
  std::string garbage;
  for (int i = 0; i < 5000; ++i) garbage += static_cast<char>((i * 7919) & 0xFF);
  SettingsRig none;
  EXPECT_EQ(none.file.ReadIniString("Global", "Version"), "");
  for (const std::string& text : {std::string(), garbage}) {
    none.Put(text);
    EXPECT_EQ(none.file.ReadIniInt("Global", "Version"), 0) << text.size() << " bytes";
  }
}

TEST(IniFile, LfFilesStayLfAndNewFilesAreCrLf) {
  EXPECT_EQ(SetIniValue("[A]\nx=1\n", "A", "y", "2"), "[A]\nx=1\ny=2\n");
  EXPECT_EQ(SetIniValue("[A]\nx=1", "A", "y", "2"), "[A]\nx=1\ny=2\n");
  EXPECT_EQ(SetIniValue("[A]\nx=1", "B", "y", "2"), "[A]\nx=1\n[B]\ny=2\n");
  EXPECT_EQ(SetIniValue("", "A", "x", "1"), "[A]\r\nx=1\r\n");
  EXPECT_EQ(SetIniValue("[A]", "A", "x", "1"), "[A]\r\nx=1\r\n");
  // A line break inside a value would split the file's lines: cut there.
  EXPECT_EQ(SetIniValue("", "A", "x", "1\r\n[B]"), "[A]\r\nx=1\r\n");
  // Found by the settings fuzz target: a value holding a stray carriage
  // return read back longer than it was written, so a saved path changed on
  // every save. The reader now ends the value there, as the writer does.
  const std::string stray = "[Ann]\r\nDataFile=/tmp/s=8\rJLogFile=x \r\nOptions=1\r\n";
  EXPECT_EQ(FindIniValue(stray, "Ann", "DataFile").value_or("?"), "/tmp/s=8");
  const std::string written = SetIniValue(stray, "Ann", "DataFile", "/tmp/s=8\rJLogFile=x");
  EXPECT_EQ(FindIniValue(written, "Ann", "DataFile").value_or("?"), "/tmp/s=8");
  EXPECT_EQ(FindIniValue(written, "Ann", "Options").value_or("?"), "1");
  // The first of repeated sections and keys is the one read and written.
  std::string twice = "[A]\nx=1\nx=2\n[a]\nx=3\n";
  EXPECT_EQ(FindIniValue(twice, "A", "X"), "1");
  EXPECT_EQ(SetIniValue(twice, "a", "x", "9"), "[A]\nx=9\nx=2\n[a]\nx=3\n");
  // A file saved with a byte-order mark.
  EXPECT_EQ(FindIniValue("\xEF\xBB\xBF[A]\r\nx=1\r\n", "A", "x"), "1");
  EXPECT_EQ(SetIniValue("\xEF\xBB\xBF[A]\r\n", "A", "x", "1"), "\xEF\xBB\xBF[A]\r\nx=1\r\n");
}

// Where an installed program, a portable copy and /oldIniPath keep their
// settings. A blocked user folder is among the odd files.
TEST(SettingsPlace, InstalledProgramWritesToTheUserConfigFolder) {
  ScratchDir program, home, config;
  EXPECT_TRUE(SettingsBesideProgram(program.Path()));  // a build tree or a portable copy
  EXPECT_FALSE(SettingsBesideProgram(program.File("missing")));
  EXPECT_EQ(SettingsFile(program.Path(), CommandLine("/LOCK")).IniPath(), program.File("Kestrel32.ini"));
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
  ::setenv("HOME", savedHome.c_str(), 1);

  // /oldIniPath sends a portable copy there too; XDG_CONFIG_HOME comes first.
  ::setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1);
  SettingsFile old(home.Path(), CommandLine("/Player=Ann /oldIniPath"));
  EXPECT_EQ(old.DefaultLogFile("Ann"), config.Path() + "/Kestrel/Ann.log");
  ASSERT_TRUE(old.WriteIniString("Global", "Version", "v"));
  EXPECT_EQ(old.ReadIniString("Global", "Version"), "v");
  EXPECT_TRUE(ScratchDir::Exists(config.Path() + "/Kestrel/Kestrel32.ini"));
  EXPECT_FALSE(ScratchDir::Exists(home.File("Kestrel32.ini")));
  ::unsetenv("XDG_CONFIG_HOME");
}

// The remembered window size: read back as written, and anything else in
// the key leaves the window at its default size.
TEST(WindowPlacement, ParsesOnlyWhatItWrites) {
  const struct {
    const char* text;
    bool valid;
  } cases[] = {{"1120 556 0", true}, {"2560 1400 1", true}, {"", false},          {"1120 556", false},
               {"1120 556 2", false}, {"-5 556 0", false},  {"1120 x 0", false},  {"99999 556 0", false},
               {"1120 556 0 7", false}};
  for (const auto& c : cases) EXPECT_EQ(ParseWindowPlacement(c.text).has_value(), c.valid) << c.text;

  // Kept in the Global section beside the other keys.
  SettingsRig rig("", "[Global]\nVersion=x\nAllowCtrlF10=1\n");
  EXPECT_FALSE(ReadWindowPlacement(rig.file));
  ASSERT_TRUE(WriteWindowPlacement(rig.file, WindowPlacement{2560, 1400, true}));
  const auto back = ReadWindowPlacement(rig.file);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->clientWidth, 2560);
  EXPECT_EQ(back->clientHeight, 1400);
  EXPECT_TRUE(back->maximised);
  EXPECT_EQ(rig.file.ReadIniInt(kGlobalSection, "AllowCtrlF10"), 1);
}

}  // namespace
}  // namespace kestrel::testing
