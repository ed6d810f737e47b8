// The baseline: the least a Qt Widgets program does to show a window of the
// calculator's size with a label, a field and a button in it, each in the
// style's own font, the way a first Qt tutorial would lay them out.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include "startup_probe.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle("Balancing calculator for 3 planes of correction");
  auto* layout = new QVBoxLayout(&window);
  layout->addWidget(new QLabel("Vo1, unit"));
  layout->addWidget(new QLineEdit("0"));
  layout->addWidget(new QPushButton("F9 - Calculate"));
  layout->addStretch();
  window.resize(868, 707);
  window.show();
  new ShownProbe(&window);
  return app.exec();
}
