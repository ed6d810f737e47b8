// The baseline: the least a Qt Widgets program does to show a window of the
// calculator's size with a line of text in it. (A window with no text at all
// would never start the font system, which any real window needs.)
#include <QApplication>
#include <QLabel>

#include "startup_probe.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QLabel window("Balancing calculator for 3 planes of correction");
  window.resize(868, 707);
  window.show();
  new ShownProbe(&window);
  return app.exec();
}
