#include "Look.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace balance3 {

void SetColours(QWidget* widget, const palette::Colours& colours) {
  widget->setAutoFillBackground(true);
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, colours.background);
  palette.setColor(QPalette::WindowText, colours.text);
  widget->setPalette(palette);
}

namespace {

// The frame the window manager will put around a window of ours. Before its
// first mapping a native window has no frame yet, and a hidden dialog gets a
// new native window at each showing (a hidden one may still report the frame
// it had when maximised); a window of ours on screen has the frame, since the
// window manager decorates them alike.
QMargins ExpectedFrame() {
  for (const QWindow* other : QGuiApplication::topLevelWindows()) {
    if (other->isVisible() && !other->frameMargins().isNull()) return other->frameMargins();
  }
  return {};
}

// Puts the frame of `window`, as `margins` around it, in the middle of the
// primary screen's free area.
void Place(QWidget* window, QMargins margins) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  QRect frame = QRect(QPoint(), window->size()).marginsAdded(margins);
  frame.moveCenter(area.center());
  // A window larger than the screen keeps its title bar where the user can
  // reach it.
  frame.moveTopLeft({std::max(frame.left(), area.left()), std::max(frame.top(), area.top())});
  // Placed by its client area: QWidget::move() converts a frame position
  // with the frame the window had last, which is stale after a maximisation.
  window->setGeometry(frame.marginsRemoved(margins));
}

// Before the window manager has framed any window of ours the frame is
// unknown, and the first window is placed as if it had none: it is placed
// again when it is first exposed, framed by then.
class PlaceAgainWhenFramed : public QObject {
 public:
  explicit PlaceAgainWhenFramed(QWidget* window) : QObject(window), window_(window) {
    window->installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == window_ && event->type() == QEvent::Show) {
      window_->windowHandle()->installEventFilter(this);
    } else if (watched == window_->windowHandle() && event->type() == QEvent::Expose) {
      window_->removeEventFilter(this);
      watched->removeEventFilter(this);
      deleteLater();
      const QMargins frame = window_->windowHandle()->frameMargins();
      if (!frame.isNull()) Place(window_, frame);
    }
    return false;
  }

 private:
  QWidget* window_;
};

}  // namespace

void CenterOnScreen(QWidget* window) {
  const QMargins frame = ExpectedFrame();
  Place(window, frame);
  if (frame.isNull()) new PlaceAgainWhenFramed(window);
}

}  // namespace balance3
