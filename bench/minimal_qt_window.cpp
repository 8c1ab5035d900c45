// The smallest Qt 6 Widgets window with a caption: the floor the program's start-up time,
// memory and idle CPU are measured against (scripts/measure-linux.sh).
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Minimal Qt window"));
  window.resize(1056, 466);
  window.show();
  return QApplication::exec();
}
