#include "ModalRecall.h"

#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <memory>

#include "X11.h"

namespace balance3 {

namespace {

// Event types of the X Input extension, version 2, which carries Qt's mouse
// and touch input (X11/extensions/XI2.h).
constexpr uint16_t kXIButtonPress = 4;
constexpr uint16_t kXITouchBegin = 18;

// What the X server numbers at run time, asked once.
struct XIds {
  uint8_t xinputOpcode = 0;
  xcb_atom_t protocols = XCB_ATOM_NONE;
  xcb_atom_t deleteWindow = XCB_ATOM_NONE;
};

XIds AskServer() {
  XIds ids;
  xcb_connection_t* connection = X11Connection();
  if (!connection) return ids;
  const char name[] = "XInputExtension";
  const std::unique_ptr<xcb_query_extension_reply_t, decltype(&std::free)> xinput(
      xcb_query_extension_reply(connection,
                                xcb_query_extension(connection, sizeof name - 1, name), nullptr),
      &std::free);
  if (xinput && xinput->present) ids.xinputOpcode = xinput->major_opcode;
  ids.protocols = X11Atom(connection, "WM_PROTOCOLS");
  ids.deleteWindow = X11Atom(connection, "WM_DELETE_WINDOW");
  return ids;
}

const XIds& Ids() {
  static const XIds ids = AskServer();
  return ids;
}

// A press of a key, a mouse button or a finger, or the frame's close button.
bool IsUserRequest(const xcb_generic_event_t* event) {
  const XIds& ids = Ids();
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

// Qt's X11 backend writes WM_TRANSIENT_FOR only on dialog-type windows, and
// takes it off any other window at each showing; so it is written here, once
// the window is shown. Window managers follow a change of it on a mapped
// window.
void MarkTransientOnX11(const QWindow* window) {
  xcb_connection_t* connection = X11Connection();
  const QWindow* parent = window->transientParent();
  if (!connection || !parent) return;
  const auto parentId = xcb_window_t(parent->winId());
  xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window->winId()),
                      XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW, 32, 1, &parentId);
}

}  // namespace

void ExecOver(QDialog* modal) {
  QWidget* asker = QApplication::activeModalWidget();
  if (!asker) asker = QApplication::activeWindow();
  const QPointer<QWidget> opener = asker;
  if (asker) {
    modal->winId();
    modal->windowHandle()->setTransientParent(asker->windowHandle());
  }
  // Modal from its showing on, as exec() would make it: exec() then finds it
  // shown and only runs the loop.
  modal->setWindowModality(Qt::ApplicationModal);
  modal->show();
  MarkTransientOnX11(modal->windowHandle());
  modal->exec();
  if (opener && opener->isVisible()) opener->windowHandle()->requestActivate();
}

namespace {

// A window of ours mapped while the modal window is minimised: one restored
// from minimised, as from the taskbar, where a window manager (metacity)
// restores it without the modal window.
bool IsRestored(const xcb_generic_event_t* event, const QWidget* modal) {
  if ((event->response_type & ~0x80) != XCB_MAP_NOTIFY) return false;
  const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event);
  return map->window != xcb_window_t(modal->winId());
}

}  // namespace

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
