// Files that are not what they should be: FIFOs, devices, folders,
// write-protected files, symbolic links, oversized card data files, and the
// temporaries a killed write leaves behind. Whatever could block runs in a
// child process under a time limit, so a fault fails the test instead of
// hanging the suite.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <thread>

#include "engine/osprey32.h"
#include "game/card_source.h"
#include "settings/ini_file.h"
#include "game/regular_file.h"
#include "settings/settings_file.h"
#include "tests/support/scratch_dir.h"

using namespace kestrel;
using kestrel::testing::ScratchDir;

namespace {

// Runs fn in a child process; true when it returned (with a true result)
// within the time limit. A child still running then is killed.
bool FinishesWithin(const std::function<bool()>& fn, int seconds = 5) {
  pid_t pid = ::fork();
  if (pid == 0) _exit(fn() ? 0 : 1);
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  int status = 0;
  while (::waitpid(pid, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      ::kill(pid, SIGKILL);
      ::waitpid(pid, &status, 0);
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::string MakeFifo(const ScratchDir& dir, const std::string& name) {
  std::string path = dir.File(name);
  EXPECT_EQ(::mkfifo(path.c_str(), 0600), 0);
  return path;
}

}  // namespace

TEST(RegularFile, OnlyPlainFilesAreOpenedAndNothingBlocks) {
  ScratchDir dir;
  ScratchDir::Put(dir.File("plain"), "abc");
  const std::string fifo = MakeFifo(dir, "fifo");
  ASSERT_EQ(::symlink(dir.File("plain").c_str(), dir.File("link").c_str()), 0);
  struct Case {
    std::string path;
    FileStatus expected;
    std::string text;
  } cases[] = {
      {dir.File("plain"), FileStatus::kOk, "abc"},
      {dir.File("link"), FileStatus::kOk, "abc"},  // a link reads as its target
      {dir.File("missing"), FileStatus::kMissing, ""},
      {dir.File("missing/x"), FileStatus::kMissing, ""},
      {dir.Path(), FileStatus::kNotRegular, ""},
      {fifo, FileStatus::kNotRegular, ""},
      {"/dev/zero", FileStatus::kNotRegular, ""},
      {"/dev/null", FileStatus::kNotRegular, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_TRUE(FinishesWithin([&] {
      std::string text = "stale";
      return ReadRegularFile(c.path, text, 100) == c.expected && text == c.text &&
             CheckRegularFile(c.path) == c.expected;
    }));
  }
  // Appending never writes into a FIFO or a device, and creates a missing file.
  EXPECT_TRUE(FinishesWithin([&] { return !AppendToRegularFile(fifo, "x") && !AppendToRegularFile("/dev/null", "x"); }));
  EXPECT_TRUE(AppendToRegularFile(dir.File("new.log"), "one"));
  EXPECT_TRUE(AppendToRegularFile(dir.File("new.log"), "two"));
  EXPECT_EQ(ScratchDir::Get(dir.File("new.log")), "onetwo");
  std::string text;
  EXPECT_EQ(ReadRegularFile(dir.File("plain"), text, 2), FileStatus::kTooLarge);
  EXPECT_EQ(text, "");
}

TEST(SettingsOddFiles, AFifoAsSettingsFileReadsAsEmptyAndIsNeverWritten) {
  ScratchDir dir;
  const std::string fifo = MakeFifo(dir, kIniFileName);
  EXPECT_TRUE(FinishesWithin([&] {
    SettingsFile file(dir.Path(), CommandLine(""));
    int reports = 0;
    file.SetWriteFailureHandler([&](const std::string&) { ++reports; });
    bool ok = file.ReadIniString("Global", "Players").empty() && file.ReadIniInt("Global", "Sound") == 0;
    ok = ok && !file.WriteIniString("Global", "Players", "A") && !file.WriteIniString("Global", "Players", "B");
    file.BeginBatch();
    file.WriteIniString("Global", "Players", "C");
    ok = ok && !file.CommitBatch();
    return ok && reports == 1;
  }));
  struct stat st {};
  ASSERT_EQ(::lstat(fifo.c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

TEST(SettingsOddFiles, AWriteProtectedFileIsLeftAloneAndReportedOnce) {
  ScratchDir dir;
  const std::string path = dir.File(kIniFileName);
  ScratchDir::Put(path, "[Global]\nPlayers=Ann\n");
  ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
  SettingsFile file(dir.Path(), CommandLine(""));
  std::vector<std::string> reports;
  file.SetWriteFailureHandler([&](const std::string& t) { reports.push_back(t); });
  EXPECT_EQ(file.ReadIniString("Global", "Players"), "Ann");
  EXPECT_FALSE(file.WriteIniString("Global", "Players", "Bob"));
  file.BeginBatch();
  file.WriteIniString("Global", "Players", "Cy");
  EXPECT_FALSE(file.CommitBatch());
  EXPECT_EQ(reports.size(), 1u);
  EXPECT_NE(reports.at(0).find(path), std::string::npos);
  EXPECT_EQ(ScratchDir::Get(path), "[Global]\nPlayers=Ann\n");
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0444u);
  // Writing what is already there changes nothing and is no failure.
  EXPECT_TRUE(IniFile(path).Write("Global", "Players", "Ann"));
}

TEST(SettingsOddFiles, ASymbolicLinkIsWrittenThroughToItsTarget) {
  ScratchDir dir, elsewhere;
  const std::string target = elsewhere.File("real.ini");
  const std::string link = dir.File(kIniFileName);
  struct Case {
    const char* name;
    std::string linkText;  // what the link holds
    bool targetExists;
  } cases[] = {
      {"absolute", target, true},
      {"relative", "../" + elsewhere.Path().substr(elsewhere.Path().rfind('/') + 1) + "/real.ini", true},
      {"dangling", target, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ::unlink(link.c_str());
    ::unlink(target.c_str());
    if (c.targetExists) {
      ScratchDir::Put(target, "[Global]\r\nPlayers=Ann\r\n");
      ::chmod(target.c_str(), 0640);
    }
    ASSERT_EQ(::symlink(c.linkText.c_str(), link.c_str()), 0);
    EXPECT_TRUE(IniFile(link).Write("Global", "Players", "Bob"));
    struct stat st {};
    ASSERT_EQ(::lstat(link.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(IniFile(target).Read("Global", "Players").value_or(""), "Bob");
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    if (c.targetExists) {
      EXPECT_EQ(st.st_mode & 0777, 0640u);
    }
    // The temporary was made beside the target, and none is left.
    EXPECT_EQ(RemoveIniTemporaries(elsewhere.Path()) + RemoveIniTemporaries(dir.Path()), 0);
  }
}

TEST(SettingsOddFiles, OnlyOurOwnLeftoverTemporariesAreRemoved) {
  ScratchDir dir;
  const char* ours[] = {".Kestrel32.ini.aB3xZ9", ".Kestrel32.ini.000000"};
  const char* others[] = {".Kestrel32.ini.abc12", ".Kestrel32.ini.abc1234", ".Kestrel32.ini.ab-123", "Kestrel32.ini.abc123",
                          ".kestrel32.ini.abc123", "Kestrel32.ini"};
  for (const char* n : ours) ScratchDir::Put(dir.File(n), "x");
  for (const char* n : others) ScratchDir::Put(dir.File(n), "x");
  ::mkdir(dir.File(".Kestrel32.ini.folder").c_str(), 0700);  // right length, a folder
  ::symlink(dir.File("Kestrel32.ini").c_str(), dir.File(".Kestrel32.ini.linkXX").c_str());
  SettingsFile file(dir.Path(), CommandLine(""));
  EXPECT_EQ(file.RemoveLeftovers(), 2);
  for (const char* n : ours) EXPECT_FALSE(ScratchDir::Exists(dir.File(n))) << n;
  for (const char* n : others) EXPECT_TRUE(ScratchDir::Exists(dir.File(n))) << n;
  EXPECT_TRUE(ScratchDir::Exists(dir.File(".Kestrel32.ini.folder")));
  EXPECT_TRUE(ScratchDir::Exists(dir.File("Kestrel32.ini")));
  struct stat st {};
  EXPECT_EQ(::lstat(dir.File(".Kestrel32.ini.linkXX").c_str(), &st), 0);
}

namespace {

struct Source {
  Options options;
  CardSource source{options, [](int32_t s) { return ::RandSeed(s); }};
  std::vector<std::string> reversions;
  explicit Source(const std::string& path) {
    source.SetReversionHandler([this](const std::string& t) { reversions.push_back(t); });
    options.intCardSource = 1;
    options.strDataFile = path;
  }
};

// The deal the default sequence gives from the seed.
std::string DefaultDeal(int32_t seed, int n) {
  Options o;
  o.lngSeedOrPointer = seed;
  CardSource s(o, [](int32_t v) { return ::RandSeed(v); });
  return s.DrawCards(n);
}

}  // namespace

TEST(CardDataOddFiles, UnusableFilesFallBackToTheDefaultSequenceWithoutWaiting) {
  ScratchDir dir;
  const std::string fifo = MakeFifo(dir, "cards.fifo");
  const std::string big = dir.File("big.bin");
  {
    int fd = ::open(big.c_str(), O_WRONLY | O_CREAT, 0600);
    ASSERT_EQ(::ftruncate(fd, static_cast<off_t>(CardSource::kMaxDataFileSize) + 1), 0);  // sparse
    ::close(fd);
  }
  for (const std::string& path : {fifo, std::string("/dev/zero"), big, dir.Path()}) {
    SCOPED_TRACE(path);
    EXPECT_TRUE(FinishesWithin([&] {
      Source s(path);
      s.options.lngSeedOrPointer = 5;
      // Nothing is read: the default sequence from the pointer as the seed.
      return s.source.DrawCards(13) == DefaultDeal(5, 13) && s.options.intCardSource == 0 &&
             s.reversions == std::vector<std::string>{ReversionText(true)} && s.source.DataFileLength() == 0;
    }));
  }
}

TEST(CardDataOddFiles, AFileOfZeroBytesAtTheSizeLimitDealsDistinctCardsPromptly) {
  ScratchDir dir;
  const std::string zeros = dir.File("zeros.bin");
  {
    int fd = ::open(zeros.c_str(), O_WRONLY | O_CREAT, 0600);
    ASSERT_EQ(::ftruncate(fd, static_cast<off_t>(CardSource::kMaxDataFileSize)), 0);
    ::close(fd);
  }
  // Every byte is the Ace of the first suit: one Ace, then the end of the
  // file, then the default sequence from one past the file's length.
  EXPECT_TRUE(FinishesWithin([&] {
    Source s(zeros);
    const std::string deal = s.source.DrawCards(13);
    const int32_t next = static_cast<int32_t>(CardSource::kMaxDataFileSize) + 1;
    std::string expected(1, '\0');
    for (char c : DefaultDeal(next, 13))
      if (c != 0 && expected.size() < 13) expected += c;
    return deal == expected && s.reversions == std::vector<std::string>{ReversionText(false)};
  }, 20));
}

// Found by the settings fuzz target: a value holding a stray carriage return
// read back longer than it was written, so a saved path changed on every
// save. The reader now ends the value there, as the writer does.
TEST(SettingsOddFiles, AStrayCarriageReturnEndsAValueForReadingAndWriting) {
  const std::string text = "[Ann]\r\nDataFile=/tmp/s=8\rJLogFile=x \r\nOptions=1\r\n";
  EXPECT_EQ(FindIniValue(text, "Ann", "DataFile").value_or("?"), "/tmp/s=8");
  const std::string written = SetIniValue(text, "Ann", "DataFile", "/tmp/s=8\rJLogFile=x");
  EXPECT_EQ(FindIniValue(written, "Ann", "DataFile").value_or("?"), "/tmp/s=8");
  EXPECT_EQ(FindIniValue(written, "Ann", "Options").value_or("?"), "1");
}
