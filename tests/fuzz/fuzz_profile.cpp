// A player's settings read from any settings file and written back: loading
// never fails, and the saved options read back as the options that were
// saved. (Stands in for the saved-match record until that parser exists.)
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "game/startup.h"
#include "settings/profile.h"
#include "game/regular_file.h"
#include "settings/settings_file.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

std::string Folder() {
  // In memory where possible: every save syncs the file to disk.
  char tmpl[] = "/dev/shm/kestrel-fuzz-XXXXXX";
  if (const char* dir = ::mkdtemp(tmpl)) return dir;
  char fallback[] = "/tmp/kestrel-fuzz-XXXXXX";
  const char* dir = ::mkdtemp(fallback);
  return dir ? dir : "/tmp";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string folder = Folder();
  const std::string path = folder + "/Kestrel32.ini";
  ::unlink(path.c_str());
  if (!kestrel::AppendToRegularFile(path, std::string(reinterpret_cast<const char*>(data), size))) return 0;

  kestrel::SettingsFile file(folder, kestrel::CommandLine(""));
  file.SetWriteFailureHandler([](const std::string&) {});
  const std::string player = kestrel::StartupPlayer(file, "");
  kestrel::Options options;
  kestrel::ResetDefaults(options);
  kestrel::MatchRecordHooks hooks;
  kestrel::LoadSettings(file, player, options, hooks);
  if (!kestrel::SaveSettings(file, player, options, hooks)) return 0;

  kestrel::Options again;
  kestrel::ResetDefaults(again);
  kestrel::LoadSettings(file, player, again, hooks);
  Check(kestrel::FormatOptionsRecord(again) == kestrel::FormatOptionsRecord(options));
  Check(again.strDataFile == options.strDataFile && again.strPatterFile == options.strPatterFile);
  return 0;
}
