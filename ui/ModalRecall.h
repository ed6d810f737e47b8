#pragma once

#include <QAbstractNativeEventFilter>

namespace balance3 {

// Window managers offer minimise on a modal window whatever hints it sets.
// Minimised, it leaves the windows beneath it deaf, with nothing in sight to
// close: Qt drops their input without a trace. So a click, a key or a close
// request on any of our windows brings the minimised modal window back,
// restored and in front. Only the X11 platform hands these blocked inputs to
// the application; elsewhere this filter sees nothing to do.
class ModalRecall : public QAbstractNativeEventFilter {
 public:
  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
};

}  // namespace balance3
