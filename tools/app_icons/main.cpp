// app_icons: paints the application icon (three fanned cards) as PNG files
// of the given sizes for the desktop theme: app_icons FOLDER SIZE...
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <cstdlib>

#include "ui/icon_art.h"

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc < 3) {
    std::fprintf(stderr, "usage: app_icons FOLDER SIZE...\n");
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(folder);
  for (int i = 2; i < argc; ++i) {
    const int size = std::atoi(argv[i]);
    if (size < 8 || size > 1024) {
      std::fprintf(stderr, "app_icons: bad size %s\n", argv[i]);
      return 2;
    }
    const QString path = folder + "/" + QString::number(size) + ".png";
    if (!kestrel::ThreeCardsImage(size).save(path)) {
      std::fprintf(stderr, "app_icons: cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  return 0;
}
