#pragma once

#include <QAbstractNativeEventFilter>

namespace balance3 {

// Window managers offer minimise on a modal window whatever hints it sets.
// Minimised, it leaves the windows beneath it deaf, with nothing in sight to
// close: Qt drops their input without a trace. So a click, a key or a close
// request on any of our windows brings the minimised modal window back,
// restored and in front; so does another window of ours coming back from
// minimised, as from the taskbar, where a window manager (metacity) restores
// it alone. Only the X11 platform hands these to the application; elsewhere,
// or built without xcb, this filter does nothing.
class ModalRecall : public QAbstractNativeEventFilter {
 public:
  // Asks the X server here, at start-up, rather than in the filter, for the
  // numbers it gives out at run time.
  ModalRecall();
  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
};

}  // namespace balance3
