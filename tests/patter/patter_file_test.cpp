// The patter file: what a file's lines do to the remarks, the template, and
// a remark slot past the table.
#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>
#include <streambuf>

#include "patter/patter.h"
#include "patter/patter_file.h"
#include "tests/support/scratch_dir.h"

namespace kestrel::testing {
namespace {

// Hands out `text` and fails with a read error after `failAt` characters.
class FailingBuffer : public std::streambuf {
 public:
  FailingBuffer(std::string text, size_t failAt) : text_(std::move(text)), failAt_(failAt) {}

 protected:
  int_type underflow() override {
    if (at_ >= failAt_) throw std::runtime_error("read error");
    if (at_ >= text_.size()) return traits_type::eof();
    return traits_type::to_int_type(text_[at_]);
  }
  int_type uflow() override {
    const int_type c = underflow();
    if (c != traits_type::eof()) ++at_;
    return c;
  }

 private:
  std::string text_;
  size_t failAt_;
  size_t at_ = 0;
};

const std::string kHeader = std::string(kPatterFileHeader) + "\r\n";

TEST(PatterFile, LinesOfAFile) {
  struct Case {
    const char* name;
    std::string text;
    bool loaded;
    int slot;
    std::string slotText;  // "" for the slot's default
    size_t failAt = std::string::npos;
  } cases[] = {
      {"header only", kHeader, true, 3, ""},
      {"comments and blanks before the header", "; mine\r\n\r\n  " + kHeader + "About=Go on.\r\n", true, 3, "Go on."},
      {"lower-case header refused", "patter file for kestrel (02 jan 19)\r\nAbout=x\r\n", false, 3, "before"},
      {"other text before the header refused", "Hello\r\n" + kHeader, false, 3, "before"},
      {"key in any case, blanks around =", kHeader + "greenhand0 = Nothing at all?\r\n", true, 16, "Nothing at all?"},
      {"unknown key ignored", kHeader + "NoSuchKey=x\r\n", true, 3, ""},
      {"tail of a key is no key", kHeader + "Cut=x\r\n", true, 5, ""},
      {"two = keep the second", kHeader + "RedPeg6_11=a = b\r\n", true, 32, "a = b"},
      {"line without = skipped", kHeader + "About\r\nAbout=ok\r\n", true, 3, "ok"},
      {"later lines win, & literal", kHeader + "About=one\nAbout=Tom & Jerry\n", true, 3, "Tom & Jerry"},
      {"read error mid-file keeps what was read", kHeader + "About=kept\r\nRedNobs=lost\r\n", true, 3, "kept",
       kHeader.size() + 14},
      {"read error loses the rest", kHeader + "About=kept\r\nRedNobs=lost\r\n", true, 31, "", kHeader.size() + 14},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PatterTable patter;
    patter.SetText(3, "before");
    patter.SetText(31, "before");
    FailingBuffer buffer(c.text, c.failAt);
    std::istream in(&buffer);
    EXPECT_EQ(LoadPatterLines(in, patter), c.loaded);
    EXPECT_EQ(patter.Text(c.slot), c.slotText.empty() ? DefaultPatterText(c.slot) : c.slotText);
  }
}

TEST(PatterFile, TemplateHoldsTheTextsInUseAndLoadsBackUnchanged) {
  ScratchDir dir;
  const std::string custom = dir.File("mine.txt");
  ScratchDir::Put(custom, kHeader + "RedPeg12Plus = Beat that & weep.\r\nabout=Hurry up.\r\n");
  PatterTable patter;
  ASSERT_TRUE(LoadPatterFile(custom, patter));
  EXPECT_FALSE(LoadPatterFile(dir.File("missing.txt"), patter));

  const std::string text = PatterTemplate(patter);
  EXPECT_EQ(text.rfind(kHeader, 0), 0u);
  EXPECT_NE(text.find("\r\nAbout=Hurry up.\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\nRedPeg12Plus=Beat that & weep.\r\n"), std::string::npos);

  const std::string saved = dir.File("template.txt");
  ASSERT_TRUE(WriteTextFile(saved, text));
  EXPECT_EQ(ScratchDir::Get(saved), text);
  PatterTable again;
  ASSERT_TRUE(LoadPatterFile(saved, again));
  for (int slot = 0; slot < kPatterSlots; ++slot) EXPECT_EQ(again.Text(slot), patter.Text(slot)) << slot;
  EXPECT_EQ(PatterTemplate(again), text);
  EXPECT_FALSE(WriteTextFile(dir.File("no/such/folder.txt"), text));
}

// A remark on show is covered through the match (PatterAndSounds); a slot
// past the table carries none.
TEST(Patter, ASlotPastTheTableCarriesNoRemark) {
  PatterTable patter;
  EXPECT_EQ(patter.Text(56), "");
  EXPECT_EQ(WithPatter("Play.", patter, 56).patterSlot, -1);
}

}  // namespace
}  // namespace kestrel::testing
