// The About panel's texts.
#include "ui/window_texts.h"

namespace kestrel {

QFont TextFont(bool bold, bool underline) {
  QFont f;
  f.setFamilies(QStringList{"Liberation Sans", "Arimo", "Nimbus Sans", "Arial", "Helvetica", "DejaVu Sans"});
  f.setStyleHint(QFont::SansSerif);
  f.setPixelSize(13);
  f.setBold(bold);
  f.setUnderline(underline);
  return f;
}

QFont DetailsFont() {
  QFont f = TextFont();
  f.setPixelSize(11);
  return f;
}

QString DisplayScaleLine(int twipsX, int twipsY) {
  if (twipsX == 15 && twipsY == 15) return "Small fonts have been detected (15 twips/pixel).";
  if (twipsX == 12 && twipsY == 12) return "Large fonts have been detected (12 twips/pixel).";
  return "Custom fonts detected (X = " + QString::number(twipsX) + " and Y = " +
         QString::number(twipsY) + " twips/pixel).";
}

AboutTexts BuildAboutTexts(int twipsX, int twipsY) {
  AboutTexts t;
  t.top = QString("Kestrel (02 Jan 19)  by the Kestrel developers\n") +
          "First a 16-bit program, later rebuilt as 32-bit;\n" +
          "rules, files and judgement unchanged.\n" +
          "Requires Linux with Qt 6 (X11 or Wayland), and...";
  t.left = "Kestrel32\nKestrelHelp32.pdf\nlibOsprey32.so\nlibQt6Widgets.so";
  t.right = "Program\nGame rules, tips, etc.\nScoring/decision routines\nWindows, menus and sound";
  // The closing note says where this build runs: it was moved to Linux and
  // tested there, not under the platform the earlier versions named.
  t.bottom = QString("Ported to/tested under 64-bit Debian 12 Linux, Qt 6.4.\n") +
             DisplayScaleLine(twipsX, twipsY);
  return t;
}

}  // namespace kestrel
