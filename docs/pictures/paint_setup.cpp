#include <QLinearGradient>
#include <QPainter>

#include "drawing.h"
#include "painters.h"

namespace balance3::help {

namespace {

using namespace draw;

constexpr double kShaftY = 104;
constexpr double kGroundY = kShaftY + 110;
constexpr double kDiscX[balance3::kPlanes] = {240, 330, 420};
constexpr double kBearingX[2] = {145, 520};
constexpr double kMarkX = 585;
constexpr double kTurnX = 561;  // where the rotation arrow rings the shaft

QLinearGradient Metal(double top, double bottom) {
  QLinearGradient metal(0, top, 0, bottom);
  metal.setColorAt(0, palette::kSteelShade);
  metal.setColorAt(0.35, palette::kSteelShine);
  metal.setColorAt(1, palette::kSteelShade);
  return metal;
}

void Ground(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(palette::kFloor);
  p.drawRect(QRectF(16, kGroundY, 608, 12));
  p.setPen(QPen(palette::kPageRule, 1.5));
  p.drawLine(QPointF(16, kGroundY), QPointF(624, kGroundY));
}

void Drive(QPainter& p) {
  p.setPen(QPen(palette::kPageHeading, 1.5));
  p.setBrush(palette::kButtonPanel.background);
  p.drawRect(QRectF(38, kShaftY + 42, 44, kGroundY - kShaftY - 42));  // its foot
  p.drawRoundedRect(QRectF(24, kShaftY - 38, 72, 80), 6, 6);
  Text(p, {60, kShaftY + 2}, Qt::AlignCenter, "drive", 13, palette::kPageHeading);
  p.setBrush(Metal(kShaftY - 13, kShaftY + 13));
  p.setPen(QPen(palette::kSteelShade, 1));
  p.drawRect(QRectF(104, kShaftY - 13, 14, 26));  // the coupling
}

void Shaft(QPainter& p) {
  p.setPen(QPen(palette::kSteelShade, 1));
  p.setBrush(Metal(kShaftY - 7, kShaftY + 7));
  p.drawRect(QRectF(96, kShaftY - 7, 520, 14));
}

void Bearing(QPainter& p, double x) {
  p.setPen(QPen(palette::kSteelShade, 1.5));
  p.setBrush(palette::kBearing);
  p.drawPolygon(QPolygonF{{x - 14, kShaftY + 18}, {x + 14, kShaftY + 18},
                          {x + 26, kGroundY}, {x - 26, kGroundY}});
  p.drawRoundedRect(QRectF(x - 20, kShaftY - 20, 40, 40), 5, 5);
  // Named on the side facing the middle, where the planes leave room.
  const bool left = x < kDiscX[1];
  Text(p, {x + (left ? 30 : -30), kGroundY - 4},
       (left ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignBottom, "bearing", 13);
}

// A sensor with its tip at (x, tipY), pointing down at what it reads or up.
void Sensor(QPainter& p, double x, double tipY, bool down) {
  p.setPen(QPen(palette::kPageText, 1));
  p.setBrush(palette::kPageText);
  p.drawRect(QRectF(x - 2, down ? tipY - 6 : tipY, 4, 6));
  p.setBrush(palette::kInstrument);
  p.drawRoundedRect(QRectF(x - 7, down ? tipY - 28 : tipY + 6, 14, 22), 2, 2);
}

// Sensors 1 and 3 on the bearing housings, where they usually go; sensor 2
// a probe that reads the rotor at mid-span, where a flexible rotor bends most.
void Sensors(QPainter& p) {
  const double housingTop = kShaftY - 20;
  const QString label("sensor %1<br>Vo%1, Fo%1");
  Sensor(p, kBearingX[0], housingTop, true);
  Text(p, {kBearingX[0] + 12, housingTop - 28}, Qt::AlignLeft | Qt::AlignTop, label.arg(1), 13,
       PlaneColour(0));
  Sensor(p, kBearingX[1], housingTop, true);
  Text(p, {kBearingX[1] - 12, housingTop - 28}, Qt::AlignRight | Qt::AlignTop, label.arg(3), 13,
       PlaneColour(2));
  const double probeTip = kShaftY + 76;
  Sensor(p, kDiscX[1], probeTip, false);
  Text(p, {kDiscX[1] + 12, probeTip + 4}, Qt::AlignLeft | Qt::AlignTop, label.arg(2), 13,
       PlaneColour(1));
}

// Plane 1 in Run1: its trial weight at the top of the rim, where the job's
// angles start.
void TrialWeight(QPainter& p) {
  const double x = kDiscX[0];
  TrialMark(p, {x, kShaftY}, 70);
  Text(p, {x - 10, kShaftY - 62}, Qt::AlignRight | Qt::AlignVCenter, "trial weight, 0° mark", 13);
}

void Rotation(QPainter& p) {
  ArcArrow(p, {kTurnX, kShaftY}, 14, 20, 300, palette::kPageText, 1.5);
  Text(p, {kTurnX, kShaftY + 22}, Qt::AlignHCenter | Qt::AlignTop, "rotation", 13);
}

void Plane(QPainter& p, int plane) {
  const double x = kDiscX[plane];
  const QColor colour = PlaneColour(plane);
  p.setPen(QPen(colour, 1.5));
  QLinearGradient face(x - 8, 0, x + 8, 0);
  face.setColorAt(0, palette::kDiscFaceLit);
  face.setColorAt(1, palette::kDiscFaceShade);
  p.setBrush(face);
  p.drawRoundedRect(QRectF(x - 8, kShaftY - 70, 16, 140), 4, 4);
  Text(p, {x, kShaftY - 80}, Qt::AlignHCenter | Qt::AlignBottom,
       QString("<b>plane %1</b>").arg(plane + 1), 14, colour);
}

// The once-per-revolution mark on the shaft and the tachometer that sees it.
void Reference(QPainter& p) {
  p.setPen(QPen(palette::kPageText, 1));
  p.setBrush(palette::kWhite);
  p.drawRect(QRectF(kMarkX - 5, kShaftY - 7, 10, 14));

  p.setPen(QPen(palette::kPageText, 1.2, Qt::DashLine));
  const double head = kShaftY - 48;  // the tachometer's lens
  p.drawLine(QPointF(kMarkX, head), QPointF(kMarkX, kShaftY - 9));
  p.setPen(QPen(palette::kPageText, 1));
  p.setBrush(palette::kInstrument);
  p.drawRoundedRect(QRectF(kMarkX - 12, head - 32, 24, 32), 3, 3);
  p.setBrush(palette::kSignRedLit);
  p.drawEllipse(QPointF(kMarkX, head - 4), 3, 3);

  Text(p, {kMarkX - 18, head - 16}, Qt::AlignRight | Qt::AlignVCenter, "tachometer", 13);
  p.setPen(QPen(palette::kPageText, 1));
  p.drawLine(QPointF(kMarkX + 4, kShaftY + 8), QPointF(kMarkX + 16, kShaftY + 40));
  Text(p, {kMarkX + 16, kShaftY + 42}, Qt::AlignHCenter | Qt::AlignTop,
       "reference<br>mark", 13);
}

}  // namespace

void PaintSetup(QPainter& p, const PageFacts&) {
  Ground(p);
  Drive(p);
  Shaft(p);
  for (double x : kBearingX) Bearing(p, x);
  for (int plane = 0; plane < balance3::kPlanes; ++plane) Plane(p, plane);
  Sensors(p);
  TrialWeight(p);
  Rotation(p);
  Reference(p);
}

}  // namespace balance3::help
