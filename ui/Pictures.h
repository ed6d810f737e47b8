#pragma once

#include <QIcon>
#include <QRectF>
#include <QSize>
#include <QWidget>

class QPainter;

// The program's pictures are painted, not stored, so they stay crisp at any
// size and screen scale.
namespace balance3 {

using Painter = void (*)(QPainter& painter, const QRectF& area);

// A yellow sun rising over green ground under a blue sky.
void PaintRisingSun(QPainter& painter, const QRectF& area);
// A grey gear wheel.
void PaintGear(QPainter& painter, const QRectF& area);
// A red disc with a white X and a grey shadow on a silver ground.
void PaintWarningSign(QPainter& painter, const QRectF& area);

// An icon that paints itself at whatever size is asked of it.
QIcon PaintedIcon(Painter paint);

// A picture at its natural size, centred in the widget and cut off at its
// edges.
class PictureBox : public QWidget {
 public:
  PictureBox(Painter paint, QSize natural, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Painter paint_;
  QSize natural_;
};

}  // namespace balance3
