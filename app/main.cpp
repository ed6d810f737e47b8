#include <QApplication>

#include "AppWindows.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  AppWindows windows;
  windows.form1.show();
  // Closing the main window closes the last visible window, which ends the
  // loop: the other two are only ever shown modally over it.
  return app.exec();
}
