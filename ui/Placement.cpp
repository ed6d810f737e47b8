#include "Placement.h"

#include <QAbstractNativeEventFilter>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

#include "WindowHints.h"

namespace balance3 {

namespace {

// Qt on X11 reports no frame, or one with negative sides, for a window the
// window manager has not framed yet.
bool IsFrame(QMargins margins) {
  return !margins.isNull() && margins.left() >= 0 && margins.top() >= 0 && margins.right() >= 0 &&
         margins.bottom() >= 0;
}

// The frame the window manager will put around a window of ours. Before its
// first mapping a native window has no frame yet, and a hidden dialog gets a
// new native window at each showing (a hidden one may still report the frame
// it had when maximised); a window of ours on screen has the frame, since the
// window manager decorates them alike.
QMargins ExpectedFrame() {
  for (const QWindow* other : QGuiApplication::topLevelWindows()) {
    if (other->isVisible() && IsFrame(other->frameMargins())) return other->frameMargins();
  }
  return {};
}

// `frame` moved into `area`; one larger than the area keeps its title bar
// where the user can reach it.
QRect Inside(QRect frame, QRect area) {
  frame.moveRight(std::min(frame.right(), area.right()));
  frame.moveBottom(std::min(frame.bottom(), area.bottom()));
  frame.moveTopLeft({std::max(frame.left(), area.left()), std::max(frame.top(), area.top())});
  return frame;
}

// Puts the frame of `window`, as `margins` around it, in the middle of the
// primary screen's free area.
void Place(QWidget* window, QMargins margins) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  QRect frame = QRect(QPoint(), window->size()).marginsAdded(margins);
  frame.moveCenter(area.center());
  // Placed by its client area: QWidget::move() converts a frame position
  // with the frame the window had last, which is stale after a maximisation.
  window->setGeometry(Inside(frame, area).marginsRemoved(margins));
}

// A window is placed before the window manager has framed it, with the frame
// of another window of ours or none at all. So it is placed again once its
// own frame is known, if that differs: most window managers report the frame
// by the first exposure, kwin about 200 ms later, and on X11 only the
// window's _NET_FRAME_EXTENTS property says when. Watching ends when the
// window is hidden: a window manager that never frames it leaves it as placed.
class PlaceAgainWhenFramed : public QObject, public QAbstractNativeEventFilter {
 public:
  PlaceAgainWhenFramed(QWidget* window, QMargins assumed)
      : QObject(window), window_(window), assumed_(assumed) {
    window->installEventFilter(this);
    qApp->installNativeEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == window_ && event->type() == QEvent::Show) {
      window_->windowHandle()->installEventFilter(this);
    } else if (watched == window_ && event->type() == QEvent::Hide) {
      deleteLater();
    } else if (watched == window_->windowHandle() && event->type() == QEvent::Expose) {
      PlaceIfFramed();
    }
    return false;
  }

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
    if (IsFrameExtentsChange(eventType, message, window_->windowHandle())) {
      // Qt reads the new frame when it handles the event, after this filter.
      QMetaObject::invokeMethod(this, &PlaceAgainWhenFramed::PlaceIfFramed, Qt::QueuedConnection);
    }
    return false;
  }

 private:
  void PlaceIfFramed() {
    const QMargins frame = window_->windowHandle()->frameMargins();
    if (!IsFrame(frame)) return;
    if (frame != assumed_) Place(window_, frame);
    window_->windowHandle()->removeEventFilter(this);
    window_->removeEventFilter(this);
    deleteLater();
  }

  QWidget* window_;
  QMargins assumed_;
};

}  // namespace

void CenterOnScreen(QWidget* window) {
  const QMargins frame = ExpectedFrame();
  Place(window, frame);
  new PlaceAgainWhenFramed(window, frame);
}

void KeepOnScreen(QWidget* window) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QMargins margins = ExpectedFrame();
  const QRect frame = window->geometry().marginsAdded(margins);
  const QRect inside = Inside(frame, screen->availableGeometry());
  if (inside != frame) window->setGeometry(inside.marginsRemoved(margins));
}

void FitOnScreen(QWidget* window) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QSize room = screen->availableGeometry().size().shrunkBy(ExpectedFrame());
  window->resize(window->size().boundedTo(room));
}

}  // namespace balance3
