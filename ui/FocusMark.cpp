#include "FocusMark.h"

#include <QEvent>
#include <QPainter>

namespace balance3 {

namespace {
constexpr int kInset = 4;
constexpr int kPenWidth = 2;
}  // namespace

void FocusMark::Attach(QWidget* control) { new FocusMark(control); }

// Placed by hand inside the control: given the control with setWidget(), the
// frame would sit around it, under it, shown whenever the control is.
FocusMark::FocusMark(QWidget* control) : QFocusFrame(control) {
  setGeometry(control->rect());
  setVisible(control->hasFocus());
  control->installEventFilter(this);
}

bool FocusMark::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::FocusIn:
      raise();  // above the control's other children, such as a viewport
      show();
      break;
    case QEvent::FocusOut:
      hide();
      break;
    case QEvent::Resize:
      setGeometry(static_cast<QWidget*>(watched)->rect());
      break;
    default:
      break;
  }
  return false;
}

void FocusMark::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // In the control's text colour: the theme's on a button, the fixed one on
  // the strip.
  const QColor ink = palette().color(parentWidget()->foregroundRole());
  painter.setPen(QPen(ink, kPenWidth, Qt::DashLine));
  painter.drawRect(rect().adjusted(kInset, kInset, -kInset - 1, -kInset - 1));
}

}  // namespace balance3
