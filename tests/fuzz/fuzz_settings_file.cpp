// The settings file's reader and writer: any text as the file, then a key
// set in it must read back as written, and every other key of the file reads
// as it did before.
#include <cstdint>
#include <string>

#include "settings/ini_file.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

// A name the program itself would use: letters and digits only.
std::string Name(const uint8_t*& p, const uint8_t* end) {
  std::string n;
  while (p < end && n.size() < 8) {
    const char c = static_cast<char>(*p++);
    if (c == 0) break;
    n += static_cast<char>('A' + static_cast<unsigned char>(c) % 26);
  }
  return n.empty() ? "K" : n;
}

std::string Trimmed(std::string v) {
  v = v.substr(0, v.find_first_of("\r\n"));
  size_t a = v.find_first_not_of(" \t");
  if (a == std::string::npos) return "";
  v = v.substr(a, v.find_last_not_of(" \t") - a + 1);
  return v.substr(0, kestrel::IniFile::kMaxValue);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const uint8_t* p = data;
  const uint8_t* end = data + size;
  const std::string section = Name(p, end);
  const std::string key = Name(p, end);
  const std::string other = Name(p, end);
  // The rest: the value up to the first 0xFF byte, then the file's text.
  std::string value, text;
  while (p < end && *p != 0xFF) value += static_cast<char>(*p++);
  if (p < end) ++p;
  text.assign(reinterpret_cast<const char*>(p), static_cast<size_t>(end - p));

  const auto before = kestrel::FindIniValue(text, section, other);
  const std::string written = kestrel::SetIniValue(text, section, key, value);
  Check(kestrel::FindIniValue(written, section, key) == Trimmed(value));
  if (other != key) Check(kestrel::FindIniValue(written, section, other) == before);
  // Setting the same value again changes nothing.
  Check(kestrel::SetIniValue(written, section, key, value) == written);
  return 0;
}
