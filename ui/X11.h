#pragma once

#include <xcb/xcb.h>

// What the windows need of the X server beneath Qt, when they run on X11.
namespace balance3 {

// The application's X connection; null on any other platform.
xcb_connection_t* X11Connection();

// The atom of `name`, or none when it is unknown to the server.
xcb_atom_t X11Atom(xcb_connection_t* connection, const char* name);

}  // namespace balance3
