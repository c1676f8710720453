// The profile file on disk: reading hand-edited files, keeping what we do not
// own when writing, and never leaving a broken file behind.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include "settings/ini_file.h"
#include "settings/settings_file.h"
#include "tests/support/scratch_dir.h"

using namespace kestrel;
using kestrel::testing::ScratchDir;

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
    "Garbage=\x01\x02\xff\xfe\x80 tail\r\n";

}  // namespace

TEST(IniFile, ReadsHandEditedFile) {
  ScratchDir dir;
  ScratchDir::Put(dir.File("Kestrel32.ini"), kHandEdited);
  SettingsFile f(dir.Path(), CommandLine());
  EXPECT_EQ(f.ReadIniString("Global", "Version"), "Kestrel (02 Jan 19)");
  EXPECT_EQ(f.ReadIniInt("GLOBAL", "AllowMultipleInstances"), 1);  // comment after the value
  EXPECT_EQ(f.ReadIniString("Global", "AllowMultipleInstances"), "1 ;0/1");
  EXPECT_EQ(f.ReadIniInt("Global", "AllowCtrlF10"), 0);             // blank value
  EXPECT_EQ(f.ReadIniString("Global", "AllowCtrlF10"), "");
  EXPECT_EQ(f.ReadIniInt("Global", "UsePetrelDLL"), 6);
  EXPECT_EQ(f.ReadIniString("ann", "options"), "13896,1,0");
  EXPECT_EQ(f.ReadIniString("Ann", "DataFile"), "/tmp/cards.bin");
  EXPECT_EQ(f.ReadIniString("Ann", "Garbage"), "\x01\x02\xff\xfe\x80 tail");
  EXPECT_EQ(f.ReadIniString("Ann", "Version"), "");     // key of another section
  EXPECT_EQ(f.ReadIniString("Bob", "Options"), "");     // missing section
  EXPECT_EQ(f.ReadIniInt("Global", "this line has no equals sign"), 0);
}

TEST(IniFile, OddFilesReadAsMissing) {
  ScratchDir dir;
  SettingsFile f(dir.Path(), CommandLine());
  EXPECT_EQ(f.ReadIniString("Global", "Version"), "");  // no file
  ScratchDir::Put(f.IniPath(), "");
  EXPECT_EQ(f.ReadIniInt("Global", "Version"), 0);  // empty file
  std::string garbage;
  for (int i = 0; i < 5000; ++i) garbage += static_cast<char>((i * 7919) & 0xFF);
  ScratchDir::Put(f.IniPath(), garbage);
  EXPECT_EQ(f.ReadIniString("Global", "Version"), "");  // binary garbage
  ::unlink(f.IniPath().c_str());
  ASSERT_EQ(::mkdir(f.IniPath().c_str(), 0755), 0);     // the file is a folder
  EXPECT_EQ(f.ReadIniString("Global", "Version"), "");
}

TEST(IniFile, LongValuesAreCutAt255AndIntegersOutOfRangeReadAsZero) {
  ScratchDir dir;
  std::string longValue(300, 'x');
  ScratchDir::Put(dir.File("Kestrel32.ini"), "[P]\nLong=" + longValue + "\nBig=40000\nNeg=-7 x\n");
  SettingsFile f(dir.Path(), CommandLine());
  EXPECT_EQ(f.ReadIniString("P", "Long"), std::string(255, 'x'));
  EXPECT_EQ(f.ReadIniInt("P", "Big"), 0);
  EXPECT_EQ(f.ReadIniInt("P", "Neg"), -7);
}

TEST(IniFile, WriteKeepsEverythingElseAndTheLineEnds) {
  ScratchDir dir;
  SettingsFile f(dir.Path(), CommandLine());
  ScratchDir::Put(f.IniPath(), kHandEdited);
  ASSERT_TRUE(f.WriteIniString("GLOBAL", "usepetreldll", "2"));
  std::string expected = kHandEdited;
  expected.replace(expected.find("UsePetrelDLL=6"), 14, "UsePetrelDLL=2");
  EXPECT_EQ(ScratchDir::Get(f.IniPath()), expected);

  // A new key goes to the end of its section, before the blank line.
  ASSERT_TRUE(f.WriteIniString("Global", "Players", "Ann,Bob"));
  expected.insert(expected.find("\r\n\r\n[Ann]") + 2, "Players=Ann,Bob\r\n");
  EXPECT_EQ(ScratchDir::Get(f.IniPath()), expected);

  // A new section is appended; an empty value stays as a key.
  ASSERT_TRUE(f.WriteIniString("Bob", "LogFile", ""));
  expected += "[Bob]\r\nLogFile=\r\n";
  EXPECT_EQ(ScratchDir::Get(f.IniPath()), expected);
  EXPECT_EQ(f.ReadIniString("Bob", "LogFile"), "");
}

TEST(IniFile, LfFilesStayLfAndNewFilesAreCrLf) {
  EXPECT_EQ(SetIniValue("[A]\nx=1\n", "A", "y", "2"), "[A]\nx=1\ny=2\n");
  EXPECT_EQ(SetIniValue("[A]\nx=1", "A", "y", "2"), "[A]\nx=1\ny=2\n");
  EXPECT_EQ(SetIniValue("[A]\nx=1", "B", "y", "2"), "[A]\nx=1\n[B]\ny=2\n");
  EXPECT_EQ(SetIniValue("", "A", "x", "1"), "[A]\r\nx=1\r\n");
  EXPECT_EQ(SetIniValue("[A]", "A", "x", "1"), "[A]\r\nx=1\r\n");
  // A line break inside a value would split the file's lines: cut there.
  EXPECT_EQ(SetIniValue("", "A", "x", "1\r\n[B]"), "[A]\r\nx=1\r\n");
  // The first of repeated sections and keys is the one read and written.
  std::string twice = "[A]\nx=1\nx=2\n[a]\nx=3\n";
  EXPECT_EQ(FindIniValue(twice, "A", "X"), "1");
  EXPECT_EQ(SetIniValue(twice, "a", "x", "9"), "[A]\nx=9\nx=2\n[a]\nx=3\n");
  // A file saved with a byte-order mark.
  EXPECT_EQ(FindIniValue("\xEF\xBB\xBF[A]\r\nx=1\r\n", "A", "x"), "1");
  EXPECT_EQ(SetIniValue("\xEF\xBB\xBF[A]\r\n", "A", "x", "1"), "\xEF\xBB\xBF[A]\r\nx=1\r\n");
}

TEST(IniFile, FailedRenameLeavesOldFileAndIsReportedOnce) {
  ScratchDir dir;
  SettingsFile f(dir.Path(), CommandLine());
  ScratchDir::Put(f.IniPath(), kHandEdited);
  std::vector<std::string> reports;
  f.SetWriteFailureHandler([&](const std::string& text) { reports.push_back(text); });
  f.SetRenameForTesting([](const char*, const char*) {
    errno = ENOSPC;
    return -1;
  });
  EXPECT_FALSE(f.WriteIniString("Ann", "Options", "1,2,3"));
  EXPECT_FALSE(f.WriteIniString("Ann", "LogFile", "x.log"));
  EXPECT_EQ(ScratchDir::Get(f.IniPath()), kHandEdited);
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_NE(reports[0].find(f.IniPath()), std::string::npos);
  EXPECT_TRUE(f.WriteFailed());
  // No temporary file is left behind.
  int entries = 0;
  for (auto it = std::filesystem::directory_iterator(dir.Path()); it != std::filesystem::directory_iterator(); ++it)
    ++entries;
  EXPECT_EQ(entries, 1);
}

TEST(IniFile, AFolderInPlaceOfTheFileIsNeverReplaced) {
  ScratchDir dir;
  SettingsFile f(dir.Path(), CommandLine());
  ASSERT_EQ(::mkdir(f.IniPath().c_str(), 0755), 0);
  ScratchDir::Put(f.IniPath() + "/keep", "mine");
  int reports = 0;
  f.SetWriteFailureHandler([&](const std::string&) { ++reports; });
  EXPECT_FALSE(f.WriteIniString("Global", "Version", "x"));
  f.BeginBatch();
  f.WriteIniString("Global", "Version", "x");
  EXPECT_FALSE(f.CommitBatch());
  EXPECT_EQ(ScratchDir::Get(f.IniPath() + "/keep"), "mine");
  EXPECT_EQ(reports, 1);
}

TEST(IniFile, OldIniPathUsesTheUserConfigFolder) {
  ScratchDir dir, config;
  ::setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1);
  SettingsFile f(dir.Path(), CommandLine("/Player=Ann /oldIniPath"));
  EXPECT_EQ(f.IniPath(), config.Path() + "/Kestrel/Kestrel32.ini");
  EXPECT_EQ(f.DefaultLogFile("Ann"), config.Path() + "/Kestrel/Ann.log");
  ASSERT_TRUE(f.WriteIniString("Global", "Version", "v"));
  EXPECT_EQ(f.ReadIniString("Global", "Version"), "v");
  EXPECT_TRUE(ScratchDir::Exists(config.Path() + "/Kestrel/Kestrel32.ini"));
  EXPECT_FALSE(ScratchDir::Exists(dir.File("Kestrel32.ini")));
  ::unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(SettingsFile(dir.Path(), CommandLine("/LOCK")).IniPath(), dir.Path() + "/Kestrel32.ini");
}
