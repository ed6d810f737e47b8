#pragma once

#include <QObject>

class QWindow;

namespace balance3 {

// Gives the keyboard back to the open modal window whenever a window that it
// blocks becomes the active one: a click on the blocked window, the taskbar
// or Alt+Tab. Qt drops every key on its way to a blocked window, so without
// this the program looks alive and ignores the user. Window systems that know
// the modal window refuse the blocked one the keyboard themselves; Qt 6.4
// cannot tell a Wayland compositor that a window is modal, and the compositor
// then lets the blocked window take it. The modal window asks for the
// keyboard back through the window system's activation, which on Wayland
// also brings it back from minimised.
class ModalKeeper : public QObject {
  Q_OBJECT

 public:
  explicit ModalKeeper(QObject* parent = nullptr);

 private:
  void FocusWindowChanged(QWindow* window);
};

}  // namespace balance3
