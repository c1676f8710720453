// Loading a patter file and writing its template.
#include "patter/patter_file.h"

#include <fstream>

namespace kestrel {

namespace {

std::string Trim(const std::string& text) {
  const char* blanks = " \t\r\n";
  const size_t first = text.find_first_not_of(blanks);
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

}  // namespace

bool LoadPatterLines(std::istream& in, PatterTable& patter) {
  bool headerFound = false;
  std::string raw;
  while (std::getline(in, raw)) {
    const std::string line = Trim(raw);
    if (line.empty() || line[0] == ';') continue;
    if (!headerFound) {
      if (line != kPatterFileHeader) break;  // not a patter file
      headerFound = true;
      patter.LoadDefaultPatter();
      continue;
    }
    const size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    const int slot = PatterSlotOfKey(Trim(line.substr(0, equals)));
    if (slot < 0) continue;
    std::string text = Trim(line.substr(equals + 1));
    // A stray CR would split the message line that carries the remark.
    for (char& c : text)
      if (c == '\r') c = ' ';
    patter.SetText(slot, text);
  }
  return headerFound;
}

bool LoadPatterFile(const std::string& path, PatterTable& patter) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  return LoadPatterLines(in, patter);
}

std::string PatterTemplate(const PatterTable& patter) {
  std::string text = std::string(kPatterFileHeader) + "\r\n\r\n" +
                     "; File header above marks this as patter file.  Edit text after\r\n"
                     "; equal signs as desired.  Ok to delete message lines.  Program\r\n"
                     "; will use its default text for any missing message markers.\r\n\r\n";
  for (int slot = 0; slot < kPatterSlots; ++slot)
    text += std::string(PatterKey(slot)) + "=" + patter.Text(slot) + "\r\n";
  return text;
}

bool WriteTextFile(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.close();
  return static_cast<bool>(out);
}

}  // namespace kestrel
