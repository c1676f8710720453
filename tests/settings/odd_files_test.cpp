// Files that are not what they should be: FIFOs, devices, folders,
// write-protected files, symbolic links, oversized card data files, and the
// temporaries a killed write leaves behind. Whatever could block runs in a
// child process under an alarm, so a fault fails the test instead of hanging
// the suite.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <functional>

#include "engine/osprey32.h"
#include "game/card_source.h"
#include "game/regular_file.h"
#include "settings/ini_file.h"
#include "tests/settings/settings_rig.h"

namespace kestrel::testing {
namespace {

// Runs fn in a child process, which an alarm ends if it blocks, and hands
// back the text fn returned ("blocked" when the alarm went off).
std::string InChild(const std::function<std::string()>& fn, unsigned seconds = 5) {
  int ends[2];
  if (::pipe(ends) != 0) return "no pipe";
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::alarm(seconds);
    const std::string text = fn();
    _exit(::write(ends[1], text.data(), text.size()) == static_cast<ssize_t>(text.size()) ? 0 : 1);
  }
  ::close(ends[1]);
  std::string text;
  char buffer[256];
  for (ssize_t n; (n = ::read(ends[0], buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<size_t>(n));
  ::close(ends[0]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? text : "blocked";
}

std::string MakeFifo(const std::string& path) {
  EXPECT_EQ(::mkfifo(path.c_str(), 0600), 0);
  return path;
}

std::string StatusName(FileStatus status) {
  const char* names[] = {"ok", "missing", "not regular", "too large", "error"};
  return names[static_cast<int>(status)];
}

// The kind, permissions and contents of whatever is at path.
std::string Snapshot(const std::string& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0) return "nothing";
  if (S_ISFIFO(st.st_mode)) return "a FIFO";
  if (S_ISDIR(st.st_mode)) return "a folder holding " + ScratchDir::Get(path + "/keep");
  return "a file " + std::to_string(st.st_mode & 0777) + ": " + ScratchDir::Get(path);
}

}  // namespace

TEST(RegularFile, OnlyPlainFilesAreOpenedAndNothingBlocks) {
  ScratchDir dir;
  ScratchDir::Put(dir.File("plain"), "abc");
  const std::string fifo = MakeFifo(dir.File("fifo"));
  ASSERT_EQ(::symlink(dir.File("plain").c_str(), dir.File("link").c_str()), 0);
  const struct {
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
  for (const auto& c : cases) {
    const std::string outcome = InChild([&] {
      std::string text = "stale";
      const FileStatus read = ReadRegularFile(c.path, text, 100);
      return StatusName(read) + " '" + text + "', checked " + StatusName(CheckRegularFile(c.path));
    });
    EXPECT_EQ(outcome, StatusName(c.expected) + " '" + c.text + "', checked " + StatusName(c.expected)) << c.path;
  }
  // Appending never writes into a FIFO or a device, and creates a missing file.
  EXPECT_EQ(InChild([&] {
              const bool fifoTaken = AppendToRegularFile(fifo, "x");
              return std::to_string(fifoTaken) + std::to_string(AppendToRegularFile("/dev/null", "x"));
            }),
            "00");
  EXPECT_TRUE(AppendToRegularFile(dir.File("new.log"), "one"));
  EXPECT_TRUE(AppendToRegularFile(dir.File("new.log"), "two"));
  EXPECT_EQ(ScratchDir::Get(dir.File("new.log")), "onetwo");
  std::string text;
  EXPECT_EQ(ReadRegularFile(dir.File("plain"), text, 2), FileStatus::kTooLarge);
  EXPECT_EQ(text, "");
}

// Puts `kind` where the settings file goes and returns what is in the way.
std::string PutInTheWay(const std::string& kind, const std::string& ini) {
  if (kind == "a FIFO") return MakeFifo(ini);
  if (kind == "a folder") {
    ::mkdir(ini.c_str(), 0755);
    ScratchDir::Put(ini + "/keep", "mine");
  } else if (kind == "a file as the user folder") {
    const std::string config = ini.substr(0, ini.rfind('/'));
    ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    ScratchDir::Put(config + "/Kestrel", "mine");
    return config + "/Kestrel";
  } else {
    ScratchDir::Put(ini, "[Global]\nPlayers=Ann\n");
    if (kind == "a write-protected file") ::chmod(ini.c_str(), 0444);
  }
  return ini;
}

// Reads work where they can, every write fails, one report names the file,
// whatever is in the way stays as it was and no temporary is left.
TEST(SettingsOddFiles, AFileThatCannotBeReplacedIsLeftAloneAndReportedOnce) {
  const struct {
    const char* kind;
    const char* players;  // what a read finds
  } cases[] = {{"a FIFO", ""}, {"a write-protected file", "Ann"}, {"a folder", ""},
               {"a failed rename (disk full)", "Ann"}, {"a file as the user folder", ""}};
  for (const auto& c : cases) {
    ScratchDir dir;
    const std::string kind = c.kind, inTheWay = PutInTheWay(kind, dir.File(kIniFileName));
    const std::string before = Snapshot(inTheWay);
    const std::string outcome = InChild([&] {
      SettingsFile file(dir.Path(), CommandLine(""), kind != "a file as the user folder");
      if (kind == "a failed rename (disk full)")
        file.SetRenameForTesting([](const char*, const char*) { return errno = ENOSPC, -1; });
      std::string reports;
      file.SetWriteFailureHandler([&](const std::string& text) {
        reports += (reports.empty() ? "" : " and ") +
                   (text.find(file.IniPath()) != std::string::npos ? "a report naming the file" : text);
      });
      const std::string read = file.ReadIniString("Global", "Players");
      bool wrote = file.WriteIniString("Global", "Players", "Bob") || file.WriteIniString("Global", "Players", "Cy");
      file.BeginBatch();
      file.WriteIniString("Global", "Players", "Di");
      wrote = file.CommitBatch() || wrote || !file.WriteFailed();
      return "read '" + read + "', " + (wrote ? "a write succeeded" : "every write failed") + ", " + reports +
             ", temporaries " + std::to_string(RemoveIniTemporaries(file.IniFolder()));
    });
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(outcome,
              "read '" + std::string(c.players) + "', every write failed, a report naming the file, temporaries 0")
        << kind;
    EXPECT_EQ(Snapshot(inTheWay), before) << kind;
    // Writing what is already there changes nothing and is no failure.
    EXPECT_TRUE(kind != "a write-protected file" || IniFile(inTheWay).Write("Global", "Players", "Ann"));
  }
}

TEST(SettingsOddFiles, ASymbolicLinkIsWrittenThroughToItsTarget) {
  ScratchDir dir, elsewhere;
  const std::string target = elsewhere.File("real.ini");
  const std::string link = dir.File(kIniFileName);
  const struct {
    const char* name;
    std::string linkText;  // what the link holds
    bool targetExists;
  } cases[] = {
      {"absolute", target, true},
      {"relative", "../" + elsewhere.Path().substr(elsewhere.Path().rfind('/') + 1) + "/real.ini", true},
      {"dangling", target, false},
  };
  for (const auto& c : cases) {
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
  struct stat st {};
  EXPECT_EQ(::lstat(dir.File(".Kestrel32.ini.linkXX").c_str(), &st), 0);
}

namespace {

std::string Numbers(const std::string& cards) {
  std::string out;
  for (char card : cards) out += std::to_string(static_cast<int>(card)) + " ";
  return out;
}

// The cards dealt from the pointer, the card source after the deal and the
// reversions reported.
std::string Deal(const std::string& path, int32_t pointer, int16_t cardSource) {
  Options options;
  options.intCardSource = cardSource;
  options.strDataFile = path;
  options.lngSeedOrPointer = pointer;
  CardSource source(options, [](int32_t s) { return ::RandSeed(s); });
  std::string reversions;
  source.SetReversionHandler([&](const std::string& text) { reversions += ", " + text; });
  const std::string cards = Numbers(source.DrawCards(13));
  return cards + "source " + std::to_string(options.intCardSource) + reversions;
}

}  // namespace

TEST(CardDataOddFiles, UnusableFilesFallBackToTheDefaultSequenceWithoutWaiting) {
  ScratchDir dir;
  const std::string big = dir.File("big.bin"), zeros = dir.File("zeros.bin");
  for (const auto& [path, extra] : {std::pair{big, 1}, std::pair{zeros, 0}}) {  // sparse files
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT, 0600);
    ASSERT_EQ(::ftruncate(fd, static_cast<off_t>(CardSource::kMaxDataFileSize) + extra), 0);
    ::close(fd);
  }
  // Nothing is read: the default sequence from the pointer as the seed.
  const std::string nothingRead = Deal("", 5, 0) + ", " + ReversionText(true);
  for (const std::string& path : {MakeFifo(dir.File("cards.fifo")), std::string("/dev/zero"), big, dir.Path()})
    EXPECT_EQ(InChild([&] { return Deal(path, 5, 1); }), nothingRead) << path;

  // A file of zeros at the size limit: every byte is the Ace of the first
  // suit, so one Ace, then the end of the file, then the default sequence
  // from one past the file's length, promptly.
  Options options;
  options.lngSeedOrPointer = static_cast<int32_t>(CardSource::kMaxDataFileSize) + 1;
  std::string expected(1, '\0');
  for (char c : CardSource(options, [](int32_t s) { return ::RandSeed(s); }).DrawCards(13))
    if (c != 0 && expected.size() < 13) expected += c;
  EXPECT_EQ(InChild([&] { return Deal(zeros, 1, 1); }, 20), Numbers(expected) + "source 0, " + ReversionText(false));
}

}  // namespace kestrel::testing
