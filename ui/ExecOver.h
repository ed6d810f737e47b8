#pragma once

class QDialog;

namespace balance3 {

// Shows `modal` modally over the window that asked for it: the modal window
// open beneath, if any, else the active window. The modal window is made
// transient for that window, so that every window manager and compositor
// keeps it above that window and, when it closes, hands the keyboard back to
// that window rather than to one that a modal window beneath still blocks;
// that window is also activated again. Returns when `modal` has been closed.
void ExecOver(QDialog* modal);

}  // namespace balance3
