// The card source: the default sequence, the card data file and the entry
// of a new seed or pointer.
#include "game/card_source.h"

#include <sys/stat.h>

#include <cmath>
#include <cstdio>
#include <limits>

namespace kestrel {

// The data file while one deal is drawn. handle: 1 open, 0 exhausted,
// -1 failed (the values the pointer logic is written in).
class CardSource::DataFile {
 public:
  explicit DataFile(const std::string& path) {
    file_ = std::fopen(path.c_str(), "rb");
    struct stat st {};
    if (file_ && ::fstat(fileno(file_), &st) == 0 && S_ISREG(st.st_mode)) {
      length_ = st.st_size;
      handle = 1;
    } else {
      Close(-1);
    }
  }
  ~DataFile() { Close(handle); }
  DataFile(const DataFile&) = delete;
  DataFile& operator=(const DataFile&) = delete;

  // The byte at the 1-based position; -1 on a read error.
  int ByteAt(int64_t position) {
    if (position < 1) return -1;
    if (position - 1 != next_ && ::fseeko(file_, static_cast<off_t>(position - 1), SEEK_SET) != 0) return -1;
    int c = std::fgetc(file_);
    next_ = c == EOF ? -1 : position;
    return c;
  }
  int64_t Length() const { return length_; }
  void Close(int newHandle) {
    if (file_) std::fclose(file_);
    file_ = nullptr;
    handle = newHandle;
  }

  int handle = 0;

 private:
  std::FILE* file_ = nullptr;
  int64_t length_ = 0;
  int64_t next_ = 0;  // 0-based offset the stream stands at
};

namespace {

// A deal that needs more steps than this gives up on the source (a broken
// generator or a file of nothing but unusable bytes) and takes the lowest
// cards not yet dealt, so the program never hangs.
constexpr int64_t kStepBudget = 20'000'000;

}  // namespace

const char* const CardSource::kSeedMessage2 =
    "Use this option to play a game, then replay later with same cards.  For match play/replay, you should also "
    "set Alternate First Deals to insure same conditions.";
const char* const CardSource::kSeedMessage3 = "Leave text box blank to keep current value.";
const char* const CardSource::kSeedWaitMessage = "Set new random seed (or data file pointer).";

bool UseDefaultSequence(Options& options) {
  const bool changed = options.intCardSource != 0;
  options.intCardSource = 0;
  return changed;
}

bool ChooseDataFile(Options& options, Host& host) {
  const std::string start = options.strDataFile.empty() ? "anyfile" : options.strDataFile;
  const std::string path = host.OpenFileDialog("Select Data File as Card Source", "All files (*.*)", "", start, true);
  if (path.empty()) return false;
  options.intCardSource = 1;
  options.strDataFile = path;
  options.lngSeedOrPointer = 0;
  return true;
}

std::string ReversionText(bool readError) {
  return std::string("Reverting to default sequence") + (readError ? " (file open/read error)" : " (EOF reached)");
}

CardSource::CardSource(Options& options, RandSeedFn randSeed) : options_(options), randSeed_(std::move(randSeed)) {}

int CardSource::NextCard(DataFile& file) {
  int32_t& pointer = options_.lngSeedOrPointer;
  int x = 0;
  do {
    if (--budget_ < 0) return -1;
    if (file.handle > 0) {
      pointer = static_cast<int32_t>(static_cast<uint32_t>(pointer) + 1u);
      int byte = pointer > file.Length() ? -1 : file.ByteAt(pointer);
      if (pointer > file.Length()) {
        file.Close(0);
      } else if (byte < 0) {
        file.Close(-1);
      } else {
        x = byte & 63;
      }
    }
    if (file.handle <= 0) {
      pointer = randSeed_(pointer);
      x = static_cast<int>((static_cast<uint32_t>(pointer) >> 24) / 4);
    }
  } while ((x & 15) >= 13);
  return (x / 16) * 13 + (x % 16);
}

std::string CardSource::DrawCards(int n) {
  if (n < 0) n = 0;
  if (n > 52) n = 52;
  if (host_) host_->SetBusy(true);
  bool fromFile = options_.intCardSource == 1;
  DataFile file(fromFile ? options_.strDataFile : std::string());
  if (!fromFile) file.Close(0);
  budget_ = kStepBudget;
  std::string cards;
  while (static_cast<int>(cards.size()) < n) {
    int card = NextCard(file);
    if (card < 0) {
      for (int c = 0; c < 52; ++c)
        if (cards.find(static_cast<char>(c)) == std::string::npos) {
          card = c;
          break;
        }
    }
    if (cards.find(static_cast<char>(card)) == std::string::npos) cards += static_cast<char>(card);
  }
  int handle = file.handle;
  file.Close(handle);
  if (fromFile && handle <= 0) {
    options_.intCardSource = 0;
    if (reverted_) reverted_(ReversionText(handle < 0));
    if (host_) host_->OptionsChanged();
  }
  if (host_) host_->SetBusy(false);
  return cards;
}

std::string CardSource::PeekCards(int n) {
  Options saved = options_;
  Host* host = host_;
  auto reverted = std::move(reverted_);
  host_ = nullptr;
  reverted_ = nullptr;
  std::string cards = DrawCards(n);
  options_.lngSeedOrPointer = saved.lngSeedOrPointer;
  options_.intCardSource = saved.intCardSource;
  options_.strDataFile = saved.strDataFile;
  host_ = host;
  reverted_ = std::move(reverted);
  return cards;
}

int64_t CardSource::DataFileLength() const {
  struct stat st {};
  if (::stat(options_.strDataFile.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return 0;
  return st.st_size;
}

std::string CardSource::SourcePrompt() const {
  if (options_.intCardSource == 1)
    return "Enter a number from 0 to " + std::to_string(DataFileLength() - 1) +
           " as a new pointer into the card data file.  At end of file, the card source reverts to Default "
           "Sequence with the last pointer as initial seed.";
  return "Enter a number (out to about plus or minus 2 billion) as new random seed.  This determines the card "
         "sequence.  E.g., try 13896 then start New Match.";
}

CardSource::SeedEntry CardSource::CheckSeedEntry(const std::string& raw) const {
  SeedEntry e;
  size_t a = raw.find_first_not_of(" \t");
  if (a == std::string::npos) return e;  // blank: keep the value silently
  std::string text = raw.substr(a, raw.find_last_not_of(" \t") - a + 1);

  // A plain decimal number, optionally signed, with an optional fraction.
  bool valid = false;
  double number = 0;
  {
    size_t i = 0, digits = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) ++digits;
    if (i < text.size() && text[i] == '.')
      for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) ++digits;
    if (digits > 0 && i == text.size()) {
      number = std::nearbyint(std::strtod(text.c_str(), nullptr));  // to nearest, ties to even
      valid = number >= std::numeric_limits<int32_t>::min() && number <= std::numeric_limits<int32_t>::max();
    }
  }
  if (valid) {
    e.value = static_cast<int32_t>(number);
    if (e.value == options_.lngSeedOrPointer) return e;
    if (options_.intCardSource == 1 && (e.value < 0 || e.value >= DataFileLength())) valid = false;
  }
  if (!valid) {
    e.outcome = SeedEntry::kInvalid;
    e.message = std::string("New value out of range.\n\n") + (options_.intCardSource == 1 ? "File pointer" : "Seed") +
                " unchanged.";
    return e;
  }
  e.outcome = SeedEntry::kChanged;
  return e;
}

CardSource::SeedEntry CardSource::ApplySeedEntry(const std::string& text) {
  SeedEntry e = CheckSeedEntry(text);
  if (e.outcome == SeedEntry::kChanged) options_.lngSeedOrPointer = e.value;
  return e;
}

}  // namespace kestrel
