#include "Look.h"

#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

QFont Arial(int pixelSize, bool bold) {
  QFont font("Arial");
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

void SetBackground(QWidget* widget, const QColor& colour) {
  widget->setAutoFillBackground(true);
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, colour);
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

}  // namespace

void CenterOnScreen(QWidget* window) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  const QMargins margins = ExpectedFrame();
  QRect frame = QRect(QPoint(), window->size()).marginsAdded(margins);
  frame.moveCenter(area.center());
  // A window larger than the screen keeps its title bar where the user can
  // reach it.
  frame.moveTopLeft({std::max(frame.left(), area.left()), std::max(frame.top(), area.top())});
  // Placed by its client area: QWidget::move() converts a frame position
  // with the frame the window had last, which is stale after a maximisation.
  window->setGeometry(frame.marginsRemoved(margins));
}
