#include "ModalRecall.h"

#include <QApplication>
#include <QGuiApplication>
#include <QWidget>
#include <cstring>
#include <memory>
#include <xcb/xcb.h>

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

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
  const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
      xcb_intern_atom_reply(connection,
                            xcb_intern_atom(connection, true, std::strlen(name), name), nullptr),
      &std::free);
  return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

XIds AskServer() {
  XIds ids;
  auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
  if (!connection) return ids;
  const char name[] = "XInputExtension";
  const std::unique_ptr<xcb_query_extension_reply_t, decltype(&std::free)> xinput(
      xcb_query_extension_reply(connection,
                                xcb_query_extension(connection, sizeof name - 1, name), nullptr),
      &std::free);
  if (xinput && xinput->present) ids.xinputOpcode = xinput->major_opcode;
  ids.protocols = Atom(connection, "WM_PROTOCOLS");
  ids.deleteWindow = Atom(connection, "WM_DELETE_WINDOW");
  return ids;
}

// A press of a key, a mouse button or a finger, or the frame's close button.
bool IsUserRequest(const xcb_generic_event_t* event) {
  static const XIds ids = AskServer();
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

}  // namespace

bool ModalRecall::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
  if (eventType != "xcb_generic_event_t") return false;
  QWidget* modal = QApplication::activeModalWidget();
  if (!modal || !modal->isMinimized()) return false;
  // A minimised window receives no input of its own, so this input is for
  // a window beneath it.
  if (!IsUserRequest(static_cast<const xcb_generic_event_t*>(message))) return false;
  modal->setWindowState((modal->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
  modal->raise();
  modal->activateWindow();
  return false;  // Qt goes on to drop it, as for any input to a blocked window
}

}  // namespace balance3
