#include "XWindows.h"

#include <QGuiApplication>
#include <QProcess>
#include <QTest>
#include <QWindow>
#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

namespace {

template <typename Reply>
using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply>
Owned<Reply> Own(Reply* reply) {
  return Owned<Reply>(reply, &std::free);
}

xcb_connection_t* Connection() {
  return qApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

xcb_atom_t FrameExtentsAtom() {
  static const xcb_atom_t atom = [] {
    const char name[] = "_NET_FRAME_EXTENTS";
    const auto reply = Own(xcb_intern_atom_reply(
        Connection(), xcb_intern_atom(Connection(), false, sizeof name - 1, name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
  }();
  return atom;
}

}  // namespace

XView ViewOf(const QWidget& window) {
  XView view;
  if (!window.windowHandle() || !window.windowHandle()->handle()) return view;
  xcb_connection_t* c = Connection();
  const auto id = xcb_window_t(window.windowHandle()->winId());
  const auto attributes =
      Own(xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, id), nullptr));
  const auto geometry = Own(xcb_get_geometry_reply(c, xcb_get_geometry(c, id), nullptr));
  if (!attributes || !geometry) return view;
  view.viewable = attributes->map_state == XCB_MAP_STATE_VIEWABLE;
  const auto focus = Own(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
  view.focused = focus && focus->focus == id;
  const auto origin = Own(xcb_translate_coordinates_reply(
      c, xcb_translate_coordinates(c, id, geometry->root, 0, 0), nullptr));
  if (!origin) return view;
  view.client = QRect(origin->dst_x, origin->dst_y, geometry->width, geometry->height);
  const auto extents = Own(xcb_get_property_reply(
      c, xcb_get_property(c, false, id, FrameExtentsAtom(), XCB_ATOM_CARDINAL, 0, 4), nullptr));
  if (extents && extents->format == 32 && extents->value_len == 4) {
    const auto* e = static_cast<const uint32_t*>(xcb_get_property_value(extents.get()));
    // left, right, top, bottom
    view.frame = view.client.adjusted(-int(e[0]), -int(e[2]), int(e[1]), int(e[3]));
  }
  const auto transient = Own(xcb_get_property_reply(
      c, xcb_get_property(c, false, id, XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW, 0, 1), nullptr));
  if (transient && transient->value_len == 1) {
    view.transientFor = *static_cast<const xcb_window_t*>(xcb_get_property_value(transient.get()));
  }
  return view;
}

QSize ScreenSize() {
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(Connection())).data;
  return {screen->width_in_pixels, screen->height_in_pixels};
}

void XDo(const QStringList& arguments) {
  QCOMPARE(QProcess::execute("xdotool", arguments), 0);
}
