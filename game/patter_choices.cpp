// The patter menu choices and the patter restore step.
#include "game/patter_choices.h"

#include "game/host.h"
#include "patter/patter_file.h"
#include "settings/options.h"

namespace kestrel {

namespace {
constexpr char kTextFilter[] = "Text files (*.txt) All files (*.*)";
}

void PatterChoices::ApplyPatter() {
  if (options_.intPatter < 0 || options_.intPatter > 2) options_.intPatter = 1;
}

bool PatterChoices::RestorePatter() {
  ApplyPatter();
  patter_.LoadDefaultPatter();
  bool loaded = true;
  if (options_.intPatter == 2 && !LoadPatterFile(options_.strPatterFile, patter_)) {
    options_.intPatter = 1;
    options_.strPatterFile.clear();
    ApplyPatter();
    loaded = false;
  }
  if (refreshLine_) refreshLine_();
  return loaded;
}

bool PatterChoices::Hide() {
  if (options_.intPatter == 0) return false;
  options_.intPatter = 0;  // the texts stay as they are
  return true;
}

bool PatterChoices::UseDefault() {
  if (options_.intPatter == 1) return false;
  options_.intPatter = 1;
  patter_.LoadDefaultPatter();
  if (refreshLine_) refreshLine_();
  return true;
}

bool PatterChoices::ChooseCustom() {
  const std::string start = options_.strPatterFile.empty() ? "patter.txt" : options_.strPatterFile;
  const std::string path = host_.OpenFileDialog("Load Custom Patter Text", kTextFilter, "txt", start, true);
  if (path.empty()) return false;
  if (!LoadPatterFile(path, patter_)) {
    host_.MessageBox("Wrong file type or problem reading file:\r\r" + path +
                         "\r\rSave patter template, edit text file with, e.g.,\rDOS Edit or Windows NotePad, then load.",
                     "Kestrel", MessageIcon::Exclamation);
    return false;
  }
  if (refreshLine_) refreshLine_();
  options_.strPatterFile = path;
  options_.intPatter = 2;
  return true;
}

void PatterChoices::SaveTemplate() {
  const std::string path = host_.SaveFileDialog("Save Patter Template As", kTextFilter, "txt",
                                                templatePath_.empty() ? "patter.txt" : templatePath_);
  if (path.empty()) return;
  templatePath_ = path;
  if (!WriteTextFile(path, PatterTemplate(patter_)))
    host_.MessageBox("Problem writing to file:\r\r" + path, "Kestrel", MessageIcon::Critical);
}

}  // namespace kestrel
