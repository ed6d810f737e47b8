#include "Pictures.h"

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

}  // namespace balance3
