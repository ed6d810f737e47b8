#pragma once

#include <QIcon>
#include <QRectF>

class QPainter;

// The program's symbols are painted, not stored, so they stay crisp at any
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

}  // namespace balance3
