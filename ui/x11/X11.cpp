#include "X11.h"

#include <QGuiApplication>
#include <cstring>

namespace balance3 {

namespace {

xcb_intern_atom_cookie_t AskAtom(xcb_connection_t* connection, const char* name) {
  return xcb_intern_atom(connection, true, std::strlen(name), name);
}

xcb_atom_t Atom(xcb_connection_t* connection, xcb_intern_atom_cookie_t cookie) {
  const Owned<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(connection, cookie, nullptr),
                                             &std::free);
  return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

X11Ids AskServer() {
  X11Ids ids;
  xcb_connection_t* connection = X11Connection();
  if (!connection) return ids;
  // Every request goes out before the first reply is awaited.
  const char xinputName[] = "XInputExtension";
  const auto xinputCookie = xcb_query_extension(connection, sizeof xinputName - 1, xinputName);
  const auto protocols = AskAtom(connection, "WM_PROTOCOLS");
  const auto deleteWindow = AskAtom(connection, "WM_DELETE_WINDOW");
  const auto frameExtents = AskAtom(connection, "_NET_FRAME_EXTENTS");
  const Owned<xcb_query_extension_reply_t> xinput(
      xcb_query_extension_reply(connection, xinputCookie, nullptr), &std::free);
  if (xinput && xinput->present) ids.xinputOpcode = xinput->major_opcode;
  ids.protocols = Atom(connection, protocols);
  ids.deleteWindow = Atom(connection, deleteWindow);
  ids.frameExtents = Atom(connection, frameExtents);
  return ids;
}

}  // namespace

xcb_connection_t* X11Connection() {
  auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
  return x11 ? x11->connection() : nullptr;
}

const X11Ids& Ids() {
  static const X11Ids ids = AskServer();
  return ids;
}

}  // namespace balance3
