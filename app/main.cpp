#include <QApplication>

#include "AppWindows.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // The installed desktop entry: the Wayland app id, and on X11 the windows'
  // class, so that the desktop shows the running program as that entry.
  QGuiApplication::setDesktopFileName(BALANCE3_APP_ID);
  AppWindows windows;
  windows.form1.show();
  // Closing the main window closes the last visible window, which ends the
  // loop: the other two are only ever shown modally over it.
  return app.exec();
}
