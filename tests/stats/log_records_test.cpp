// The activity-log records and the log's failure behaviour.
#include <gtest/gtest.h>

#include "game/host.h"
#include "settings/options.h"
#include "stats/activity_log.h"
#include "stats/log_records.h"
#include "tests/support/linked_engine.h"
#include "tests/support/scratch_dir.h"

namespace kestrel::testing {
namespace {

TEST(LogRecords, MatchStartWithCutsOrIgnored) {
  std::string record = MatchStartHead("MoonBeam", 13896);
  record += MatchCutText(Cards("7s")[0], Cards("7h")[0]);
  record += MatchCutText(Cards("As")[0], Cards("Kd")[0]);
  EXPECT_EQ(MatchStartRecord(record), "\r\n Seed/Pointer for match with MoonBeam: 13896  Cut(s): 7s7h AsKd \r\n\r\n");
  EXPECT_EQ(MatchStartRecord(MatchStartHead("Ann", -5) + "Ignored"),
            "\r\n Seed/Pointer for match with Ann: -5  Cut(s): Ignored \r\n\r\n");
}

class RecordingHost : public NullHost {
 public:
  bool MessageBox(const std::string& text, const std::string& title, MessageIcon icon) override {
    texts.push_back(text);
    titles.push_back(title);
    icons.push_back(icon);
    return true;
  }
  void OptionsChanged() override { ++changes; }
  std::vector<std::string> texts, titles;
  std::vector<MessageIcon> icons;
  int changes = 0;
};

TEST(ActivityLog, AppendsExactlyWhatItIsGiven) {
  ScratchDir dir;
  Options options;
  options.intLogLevel = 1;
  options.strLogFile = dir.File("MoonBeam.log");
  RecordingHost host;
  ActivityLog log(options, host);
  EXPECT_TRUE(log.AppendLog("one\r\n"));
  EXPECT_TRUE(log.AppendLog("two"));
  EXPECT_EQ(ScratchDir::Get(options.strLogFile), "one\r\ntwo");
  EXPECT_TRUE(host.texts.empty());
}

TEST(ActivityLog, AFailureSwitchesLoggingOffAndSaysSo) {
  ScratchDir dir;
  Options options;
  options.intLogLevel = 2;
  // A missing folder is made; one that cannot be made (a file is in the way) fails.
  options.strLogFile = dir.File("new/folder/Ann.log");
  RecordingHost host;
  ActivityLog log(options, host);
  EXPECT_TRUE(log.AppendLog("made"));
  EXPECT_EQ(ScratchDir::Get(options.strLogFile), "made");
  ScratchDir::Put(dir.File("plain"), "");
  options.strLogFile = dir.File("plain/folder/Ann.log");
  EXPECT_FALSE(log.AppendLog("x"));
  EXPECT_EQ(options.intLogLevel, 0);
  EXPECT_EQ(host.changes, 1);
  ASSERT_EQ(host.texts.size(), 1u);
  EXPECT_EQ(host.texts[0], "Problem writing to log file:\r\r" + options.strLogFile + "\r\rLogging disabled.");
  EXPECT_EQ(host.titles[0], "Kestrel");
  EXPECT_EQ(host.icons[0], MessageIcon::Critical);
  // Already off (a one-shot append of statistics): the box without the last part.
  EXPECT_FALSE(log.AppendLog("y"));
  EXPECT_EQ(host.texts[1], "Problem writing to log file:\r\r" + options.strLogFile);
  EXPECT_EQ(host.changes, 1);
}

}  // namespace
}  // namespace kestrel::testing
