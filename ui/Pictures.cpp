#include "Pictures.h"

#include <QEvent>
#include <QPainter>

namespace balance3 {

PictureBox::PictureBox(Painter paint, QSize natural, QWidget* parent)
    : QWidget(parent), paint_(paint), natural_(natural) {}

void PictureBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  QRectF area(QPointF(0, 0), natural_);
  area.moveCenter(QRectF(rect()).center());
  painter.setClipRect(rect());
  paint_(painter, area);
}

namespace {

class IconSetter : public QObject {
 public:
  IconSetter(QWidget* window, Painter paint) : QObject(window), paint_(paint) {
    window->installEventFilter(this);
  }

  // The show event comes before the window is mapped.
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show) {
      static_cast<QWidget*>(watched)->setWindowIcon(PaintedIcon(paint_));
      watched->removeEventFilter(this);
      deleteLater();
    }
    return false;
  }

 private:
  Painter paint_;
};

}  // namespace

void IconOnShowing(QWidget* window, Painter paint) { new IconSetter(window, paint); }

}  // namespace balance3
