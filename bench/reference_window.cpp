// The yardstick for start-up time and memory: the least a Qt program showing
// a window like the main one must do. Same size (375 x 222 px), one Japanese
// label in the design font through the same substitution, nothing else.
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include "windows/fonts.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  kemurina::InstallFontSubstitutions();

  QWidget window;
  window.setWindowTitle(QStringLiteral("ケムリナ式 reference window"));
  window.setFixedSize(375, 222);
  QLabel label(QStringLiteral("ケムリナからの日数"), &window);
  label.setFont(kemurina::DesignFont(9));
  label.move(8, 4);
  window.show();
  return QApplication::exec();
}
