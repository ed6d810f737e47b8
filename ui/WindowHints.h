#pragma once

#include <QByteArray>

class QWindow;

// What the windows write to and read from the X server beneath Qt. Built
// where the xcb headers are; without them, and on any other platform, these
// do nothing.
namespace balance3 {

// Qt's X11 backend writes WM_TRANSIENT_FOR only on dialog-type windows, and
// takes it off any other window at each showing; so it is written here, once
// the window is shown. Window managers follow a change of it on a mapped
// window.
void MarkTransientOnX11(const QWindow* window);

// Names the application's desktop entry (QGuiApplication::desktopFileName)
// as the window's class (WM_CLASS), by which docks and task managers on X11
// match a window to the entry it was started from. Qt's X11 backend writes
// the application's name there instead, which the accessibility tools show
// as the program's name and so stays as it is.
void NameDesktopEntryOnX11(const QWindow* window);

// Whether the native event says that the window manager has set the frame
// around `window` (its _NET_FRAME_EXTENTS property).
bool IsFrameExtentsChange(const QByteArray& eventType, const void* message,
                          const QWindow* window);

}  // namespace balance3
