#include "WindowHints.h"

#include <QGuiApplication>
#include <QThread>
#include <QWindow>

#include "X11.h"

namespace balance3 {

void MarkTransientOnX11(const QWindow* window) {
  xcb_connection_t* connection = X11Connection();
  const QWindow* parent = window->transientParent();
  if (!connection || !parent) return;
  const auto parentId = xcb_window_t(parent->winId());
  xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window->winId()),
                      XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW, 32, 1, &parentId);
}

void NameDesktopEntryOnX11(const QWindow* window) {
  xcb_connection_t* connection = X11Connection();
  const QByteArray entry = QGuiApplication::desktopFileName().toUtf8();
  if (!connection || entry.isEmpty()) return;
  // Instance and class, each ended by a zero byte.
  const QByteArray value = QCoreApplication::applicationName().toUtf8() + '\0' + entry + '\0';
  xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window->winId()),
                      XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 8, uint32_t(value.size()),
                      value.constData());
}

QMargins FrameBeforeMapping(QWindow* window) {
  xcb_connection_t* connection = X11Connection();
  const X11Ids& ids = Ids();
  if (!connection || ids.requestFrameExtents == XCB_ATOM_NONE) return {};
  const auto id = xcb_window_t(window->winId());
  xcb_client_message_event_t request{};
  request.response_type = XCB_CLIENT_MESSAGE;
  request.format = 32;
  request.window = id;
  request.type = ids.requestFrameExtents;
  xcb_send_event(connection, false, xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root,
                 XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                 reinterpret_cast<const char*>(&request));
  // The window manager answers in a moment by setting the property; a start
  // never waits long for one that does not.
  for (int tries = 0; tries < 25; ++tries) {
    const Owned<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection,
                               xcb_get_property(connection, false, id, ids.frameExtents,
                                                XCB_ATOM_CARDINAL, 0, 4),
                               nullptr),
        &std::free);
    if (reply && reply->format == 32 && xcb_get_property_value_length(reply.get()) == 16) {
      const auto* sides = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
      const qreal scale = window->devicePixelRatio();
      return QMargins(qRound(sides[0] / scale), qRound(sides[2] / scale),
                      qRound(sides[1] / scale), qRound(sides[3] / scale));
    }
    QThread::msleep(2);
  }
  return {};
}

bool IsFrameExtentsChange(const QByteArray& eventType, const void* message,
                          const QWindow* window) {
  if (eventType != "xcb_generic_event_t") return false;
  const auto* event = static_cast<const xcb_generic_event_t*>(message);
  if ((event->response_type & ~0x80) != XCB_PROPERTY_NOTIFY) return false;
  const auto* property = reinterpret_cast<const xcb_property_notify_event_t*>(event);
  return property->atom == Ids().frameExtents && window &&
         property->window == xcb_window_t(window->winId());
}

}  // namespace balance3
