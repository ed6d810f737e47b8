// Built instead of x11/ where the xcb headers are missing: the windows then
// go without what they ask of an X server, on every platform.
#include "ModalRecall.h"
#include "WindowHints.h"

namespace balance3 {

ModalRecall::ModalRecall() = default;

bool ModalRecall::nativeEventFilter(const QByteArray&, void*, qintptr*) { return false; }

void MarkTransientOnX11(const QWindow*) {}

void NameDesktopEntryOnX11(const QWindow*) {}

bool IsFrameExtentsChange(const QByteArray&, const void*, const QWindow*) { return false; }

}  // namespace balance3
