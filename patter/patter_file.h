// The patter file: a text file whose header line marks it as patter, then
// one "Key = text" line per remark the user wants to change; and the
// template of such a file written from the texts in use.
#pragma once

#include <istream>
#include <string>

#include "patter/patter.h"

namespace kestrel {

inline constexpr char kPatterFileHeader[] = "Patter File for Kestrel (02 Jan 19)";

// Reads patter lines. Blank lines and lines starting with ";" are skipped
// everywhere. Before the header any other line ends the reading (not a
// patter file, nothing changes); the header itself, exactly as written,
// puts every slot back to its default text. After it, "Key = text" sets
// the slot of a known key (any case, blanks around "=" ignored, the text is
// everything after the first "="); lines without "=" and unknown keys are
// skipped, later lines win. A read error ends the reading and keeps what
// was read. Returns whether the header was seen.
bool LoadPatterLines(std::istream& in, PatterTable& patter);
// The same from a file; false when it cannot be opened.
bool LoadPatterFile(const std::string& path, PatterTable& patter);

// The template: header, three comment lines, then every key with the text
// in use, in slot order, lines ending in CR LF.
std::string PatterTemplate(const PatterTable& patter);

// Writes `text` as the whole new content of the file; false on failure.
bool WriteTextFile(const std::string& path, const std::string& text);

}  // namespace kestrel
