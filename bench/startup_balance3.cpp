// The calculator's start-up, as app/main.cpp does it, with the probe.
#include <QApplication>

#include "AppWindows.h"
#include "startup_probe.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  AppWindows windows;
  windows.form1.show();
  new ShownProbe(&windows.form1);
  return app.exec();
}
