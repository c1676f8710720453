// The built libOsprey32.so: it exports exactly the six functions, answers
// through them when loaded by name, reports bad arguments to the loading
// program, and the engine's objects hold no writable data.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include "tests/support/shell_lines.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "engine/osprey32.h"
#include "tests/support/card_string.h"
#include "tests/support/engine_report.h"

namespace {

const std::string kLibrary = std::string(KESTREL_BIN_DIR) + "/libOsprey32.so";


// The checks below read the objects with nm (binutils).
bool HaveNm() { return std::system("nm --version >/dev/null 2>&1") == 0; }

TEST(Exports, ExactlyTheSixFunctions) {
  if (!HaveNm()) GTEST_SKIP() << "nm is not installed: the exports were NOT checked";
  std::set<std::string> names;
  for (const std::string& line : Lines("nm -D --defined-only " + kLibrary + " 2>&1")) {
    names.insert(line.substr(line.rfind(' ') + 1));
  }
  EXPECT_EQ(names, (std::set<std::string>{"Discard", "MakePegPlay", "ParseHand", "RandSeed",
                                         "ScoreHand", "ScorePegPlay"}));
}

TEST(Exports, EngineObjectsHoldNoWritableData) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "sanitizer metadata adds writable sections";
#else
  if (!HaveNm()) GTEST_SKIP() << "nm is not installed: the engine's objects were NOT checked";
  // Data (d, D) and zero-filled (b, B) symbols of the engine's own objects.
  const std::string archive = std::string(KESTREL_BIN_DIR) + "/../engine/libosprey_core.a";
  std::vector<std::string> writable;
  const std::vector<std::string> lines = Lines("nm " + archive + " 2>&1");
  ASSERT_GT(lines.size(), 10u) << "nm read no symbols from " << archive;
  for (const std::string& line : lines) {
    if (line.size() > 19 && (line[17] == 'd' || line[17] == 'D' || line[17] == 'b' ||
                             line[17] == 'B' || line[17] == 'C')) {
      writable.push_back(line);
    }
    EXPECT_EQ(line.find("No such file"), std::string::npos) << line;
  }
  EXPECT_TRUE(writable.empty()) << writable.front();
#endif
}

TEST(Exports, LoadedByNameTheyScoreAndReport) {
  void* library = dlopen(kLibrary.c_str(), RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(library, nullptr) << dlerror();
  auto scoreHand = reinterpret_cast<ScoreHandFn>(dlsym(library, "ScoreHand"));
  auto randSeed = reinterpret_cast<RandSeedFn>(dlsym(library, "RandSeed"));
  ASSERT_NE(scoreHand, nullptr);
  ASSERT_NE(randSeed, nullptr);
  EXPECT_EQ(dlsym(library, "ScoreShowTotal"), nullptr);  // internals stay hidden

  const std::string hand = kestrel::test::CardString("5s 5c 5h Jd 5d");
  EXPECT_EQ(scoreHand(reinterpret_cast<const unsigned char*>(hand.data()), 0), 29);
  EXPECT_EQ(randSeed(-1), 0);

  kestrel::test::ClearEngineReports();
  const unsigned char bad[5] = {1, 2, 3, 4, 4};
  EXPECT_EQ(scoreHand(bad, 0), -1);
  const auto reports = kestrel::test::EngineReports();
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].text, "OSPREY32.DLL: ScoreHand() argument error");
  dlclose(library);
}

TEST(Exports, WithoutAHostReportTheTextGoesToStandardError) {
  const std::string probe = std::string(KESTREL_BIN_DIR) + "/../tests/engine_report_probe";
  const std::vector<std::string> lines = Lines(probe + " 2>&1");
  EXPECT_EQ(lines, (std::vector<std::string>{"Call Terminated: OSPREY32.DLL: ScoreHand() argument error", "-1"}));
}

}  // namespace
