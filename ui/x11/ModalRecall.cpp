#include "ModalRecall.h"

#include <QApplication>
#include <QWidget>

#include "X11.h"

namespace balance3 {

namespace {

// Event types of the X Input extension, version 2, which carries Qt's mouse
// and touch input (X11/extensions/XI2.h).
constexpr uint16_t kXIButtonPress = 4;
constexpr uint16_t kXITouchBegin = 18;

// A press of a key, a mouse button or a finger, or the frame's close button.
bool IsUserRequest(const xcb_generic_event_t* event) {
  const X11Ids& ids = Ids();
  switch (event->response_type & ~0x80) {
    case XCB_KEY_PRESS:
    case XCB_BUTTON_PRESS:
      return true;
    case XCB_GE_GENERIC: {
      const auto* generic = reinterpret_cast<const xcb_ge_generic_event_t*>(event);
      return generic->extension == ids.xinputOpcode &&
             (generic->event_type == kXIButtonPress || generic->event_type == kXITouchBegin);
    }
    case XCB_CLIENT_MESSAGE: {
      // Not any message: focus hand-overs come as messages too, and the
      // window manager hands the focus to a window beneath the modal one
      // right after minimising it.
      const auto* client = reinterpret_cast<const xcb_client_message_event_t*>(event);
      return client->type == ids.protocols && client->data.data32[0] == ids.deleteWindow;
    }
    default:
      return false;
  }
}

void Recall(QWidget* modal) {
  modal->setWindowState((modal->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
  modal->raise();
  modal->activateWindow();
}

// A window of ours mapped while the modal window is minimised: one restored
// from minimised, as from the taskbar, where a window manager (metacity)
// restores it without the modal window.
bool IsRestored(const xcb_generic_event_t* event, const QWidget* modal) {
  if ((event->response_type & ~0x80) != XCB_MAP_NOTIFY) return false;
  const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event);
  return map->window != xcb_window_t(modal->winId());
}

}  // namespace

ModalRecall::ModalRecall() { Ids(); }

bool ModalRecall::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
  if (eventType != "xcb_generic_event_t") return false;
  const auto* event = static_cast<const xcb_generic_event_t*>(message);
  QWidget* modal = QApplication::activeModalWidget();
  if (!modal || !modal->isMinimized()) return false;
  if (IsRestored(event, modal)) {
    // Once Qt has seen the event: its time then counts as the user's latest,
    // so a window manager that prevents focus stealing does not refuse the
    // activation.
    QMetaObject::invokeMethod(modal, [modal] { Recall(modal); }, Qt::QueuedConnection);
  } else if (IsUserRequest(event)) {
    // A minimised window receives no input of its own, so this input is for
    // a window beneath it.
    Recall(modal);
  }
  return false;  // Qt goes on to drop blocked input, as for any blocked window
}

}  // namespace balance3
