#pragma once

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>
#include <cstddef>

// Each window installs itself as an application-wide event filter and asks
// here which events are keys on their way to one of its own widgets: so it
// sees every key before the focused control does, whichever control that is.
namespace balance3 {

// The key press or release in `event` when `watched` is a widget of `window`;
// null for anything else.
QKeyEvent* PreviewedKey(const QWidget* window, QObject* watched, QEvent* event);

// The rules every window shares, for a key its own function keys left alone.
// A release never reaches a control, so Space cannot click a button; the
// press of Space on a button is swallowed too, so the button does not stay
// drawn half-pressed. Enter or Return on a focused button clicks it. Returns
// true when the key is consumed.
bool HandleSharedKeys(QObject* watched, QKeyEvent* key);

// One row of a window's key table. Shift, Ctrl and Alt are not looked at.
template <class Window>
struct KeyCommand {
  int key;
  void (*command)(Window& window);  // null: the key is consumed and does nothing
};

// Applies a window's key table to a key on its way to one of its widgets,
// then the shared rules. Returns true when the event is consumed.
template <class Window, std::size_t N>
bool PreviewKeys(Window& window, QObject* watched, QEvent* event,
                 const KeyCommand<Window> (&keys)[N]) {
  QKeyEvent* key = PreviewedKey(&window, watched, event);
  if (!key) return false;
  if (key->type() == QEvent::KeyPress) {
    for (const KeyCommand<Window>& row : keys) {
      if (row.key != key->key()) continue;
      if (row.command) row.command(window);
      return true;
    }
  }
  return HandleSharedKeys(watched, key);
}

}  // namespace balance3
