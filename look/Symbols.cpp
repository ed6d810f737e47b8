#include "Symbols.h"

#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include "Palette.h"

namespace balance3 {
namespace {

class PaintedIconEngine : public QIconEngine {
 public:
  explicit PaintedIconEngine(Painter paint) : paint_(paint) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
             QIcon::State) override {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    if (mode == QIcon::Disabled) painter->setOpacity(0.45);
    paint_(*painter, rect);
    painter->restore();
  }

  QIconEngine* clone() const override { return new PaintedIconEngine(paint_); }

 private:
  Painter paint_;
};

}  // namespace

void PaintRisingSun(QPainter& p, const QRectF& a) {
  const double w = a.width();
  const double h = a.height();
  const double horizon = a.top() + h * 0.68;

  QLinearGradient sky(a.topLeft(), QPointF(a.left(), horizon));
  sky.setColorAt(0, palette::kSkyHigh);
  sky.setColorAt(1, palette::kSkyLow);
  p.fillRect(QRectF(a.left(), a.top(), w, horizon - a.top()), sky);

  const QPointF centre(a.left() + w / 2, horizon);
  const double radius = w * 0.24;
  p.setPen(QPen(palette::kSunRay, qMax(1.0, w / 28), Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i <= 8; ++i) {
    const double angle = qDegreesToRadians(180.0 + i * 22.5);
    const QPointF dir(qCos(angle), qSin(angle));
    p.drawLine(centre + dir * radius * 1.3, centre + dir * radius * 1.75);
  }
  p.setPen(Qt::NoPen);
  p.setBrush(palette::kSun);
  p.drawEllipse(centre, radius, radius);

  QLinearGradient ground(QPointF(a.left(), horizon), a.bottomLeft());
  ground.setColorAt(0, palette::kGroundGreenLit);
  ground.setColorAt(1, palette::kGroundGreen);
  p.fillRect(QRectF(a.left(), horizon, w, a.bottom() - horizon), ground);
}

void PaintGear(QPainter& p, const QRectF& a) {
  const QPointF c = a.center();
  const double outer = qMin(a.width(), a.height()) * 0.48;
  const double inner = outer * 0.74;
  constexpr int kTeeth = 8;

  QPainterPath wheel;
  for (int i = 0; i < kTeeth * 4; ++i) {
    // Each tooth: rise, top, fall, gap — four corners a quarter pitch apart.
    const double angle = 2 * M_PI * (i - 0.5) / (kTeeth * 4);
    const double r = (i % 4 == 0 || i % 4 == 1) ? outer : inner;
    const QPointF point = c + QPointF(qCos(angle), qSin(angle)) * r;
    if (i == 0) {
      wheel.moveTo(point);
    } else {
      wheel.lineTo(point);
    }
  }
  wheel.closeSubpath();
  wheel.addEllipse(c, outer * 0.3, outer * 0.3);
  wheel.setFillRule(Qt::OddEvenFill);

  QLinearGradient metal(a.topLeft(), a.bottomRight());
  metal.setColorAt(0, palette::kSteel);
  metal.setColorAt(1, palette::kSteelShade);
  p.setPen(QPen(palette::kSteelEdge, qMax(1.0, outer / 16)));
  p.setBrush(metal);
  p.drawPath(wheel);
}

void PaintWarningSign(QPainter& p, const QRectF& a) {
  p.fillRect(a, palette::kSilver);
  const double radius = qMin(a.width(), a.height()) * 0.40;
  const QPointF c = a.center() - QPointF(radius * 0.06, radius * 0.06);

  p.setPen(Qt::NoPen);
  p.setBrush(palette::kSignShadow);
  p.drawEllipse(c + QPointF(radius * 0.14, radius * 0.14), radius, radius);

  QRadialGradient red(c - QPointF(radius * 0.3, radius * 0.3), radius * 1.3);
  red.setColorAt(0, palette::kSignRedLit);
  red.setColorAt(1, palette::kSignRed);
  p.setBrush(red);
  p.drawEllipse(c, radius, radius);

  const double arm = radius * 0.45;
  p.setPen(QPen(palette::kWhite, radius * 0.22, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(c + QPointF(-arm, -arm), c + QPointF(arm, arm));
  p.drawLine(c + QPointF(-arm, arm), c + QPointF(arm, -arm));
}

QIcon PaintedIcon(Painter paint) { return QIcon(new PaintedIconEngine(paint)); }

}  // namespace balance3
