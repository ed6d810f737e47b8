#pragma once

class QEvent;
class QKeyEvent;
class QObject;
class QWidget;

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

}  // namespace balance3
