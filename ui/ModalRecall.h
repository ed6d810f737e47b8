#pragma once

#include <QAbstractNativeEventFilter>

class QDialog;

namespace balance3 {

// Shows `modal` modally over the window that asked for it: the modal window
// open beneath, if any, else the active window. The modal window is made
// transient for that window, so that every window manager and compositor
// keeps it above that window and, when it closes, hands the keyboard back to
// that window rather than to one that a modal window beneath still blocks;
// that window is also activated again. Returns when `modal` has been closed.
void ExecOver(QDialog* modal);

// Window managers offer minimise on a modal window whatever hints it sets.
// Minimised, it leaves the windows beneath it deaf, with nothing in sight to
// close: Qt drops their input without a trace. So a click, a key or a close
// request on any of our windows brings the minimised modal window back,
// restored and in front; so does another window of ours coming back from
// minimised, as from the taskbar, where a window manager (metacity) restores
// it alone. Only the X11 platform hands these to the application; elsewhere
// this filter sees nothing to do.
class ModalRecall : public QAbstractNativeEventFilter {
 public:
  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
};

}  // namespace balance3
