#pragma once

#include <QRect>
#include <QWidget>

// A window as the X server and the window manager see it, read straight
// from the server: where Qt's own idea of the frame could be wrong, these
// cannot be.
struct XView {
  bool viewable = false;  // mapped, so neither hidden nor minimised
  bool focused = false;   // has the X input focus, so takes the keys
  QRect client;           // in screen pixels
  QRect frame;            // the client and the window manager's frame around it; null if none yet
  WId transientFor = 0;   // the window it is kept above
};

XView ViewOf(const QWidget& window);

// The size of the X screen, in pixels.
QSize ScreenSize();

// Runs xdotool with real X input (XTest) and fails the test if it fails.
void XDo(const QStringList& arguments);
