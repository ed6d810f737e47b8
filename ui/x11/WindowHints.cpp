#include "WindowHints.h"

#include <QGuiApplication>
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
