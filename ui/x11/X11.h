#pragma once

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

// What the windows need of the X server beneath Qt, when they run on X11.
namespace balance3 {

// A reply of the server, which xcb allocates with malloc.
template <typename Reply>
using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

// The application's X connection; null on any other platform.
xcb_connection_t* X11Connection();

// What the X server numbers at run time; all none or zero on any other
// platform.
struct X11Ids {
  uint8_t xinputOpcode = 0;  // of the X Input extension, which carries pointer and touch
  xcb_atom_t protocols = XCB_ATOM_NONE;
  xcb_atom_t deleteWindow = XCB_ATOM_NONE;
  xcb_atom_t frameExtents = XCB_ATOM_NONE;
};

// Asked of the server once, at the first call, in one round trip.
const X11Ids& Ids();

}  // namespace balance3
