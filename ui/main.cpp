// Kestrel32: the program's entry point.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle("Kestrel");
  window.resize(560, 300);
  window.show();
  return app.exec();
}
