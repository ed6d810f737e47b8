#include <QPainter>
#include <QRectF>

#include "drawing.h"
#include "painters.h"

namespace balance3::help {

namespace {

using namespace draw;

const QPointF kCentre(150, 164);
constexpr double kRadius = 118;
constexpr double kHoleRing = kRadius - 13;
const QRectF kVectorArea(350, 44, 270, 160);

QString Degrees(int degrees) { return QString("%1°").arg(degrees); }

// The plane end-on with its ring of holes, the line the weight should go
// on, and its two parts in the holes either side.
void Plane(QPainter& p, const PageFacts& facts) {
  const Correction& weight = facts.example[0];
  const QColor colour = PlaneColour(0);
  Disc(p, kCentre, kRadius);
  p.setPen(QPen(palette::kSteelShade, 1.2));
  p.setBrush(palette::kWhite);
  for (int angle = 0; angle < 360; angle += facts.holePitch) {
    p.drawEllipse(OnClock(kCentre, kHoleRing, angle), 5, 5);
  }
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  for (const HoleWeight& part : {facts.split.first, facts.split.second}) {
    p.drawEllipse(OnClock(kCentre, kHoleRing, part.angle), 6, 6);
  }
  p.setPen(QPen(colour, 1.5, Qt::DashLine));
  p.drawLine(OnClock(kCentre, kRadius * 0.18, weight.angle),
             OnClock(kCentre, kRadius, weight.angle));
  // The label stands inside the arc, short of the dashed line.
  ArcArrow(p, kCentre, kRadius * 0.75, 0, weight.angle, colour, 1.5);
  Text(p, OnClock(kCentre, kRadius * 0.5, weight.angle * 0.4), Qt::AlignCenter,
       "<b>θ = " + AsShown(weight.angle) + "°</b>", 13, colour);

  const double outside = kRadius + 6;
  Text(p, OnClock(kCentre, outside, 0), Qt::AlignHCenter | Qt::AlignBottom, "0°", 13);
  Text(p, OnClock(kCentre, outside, facts.split.first.angle), Qt::AlignLeft | Qt::AlignBottom,
       "α<sub>1</sub> = " + Degrees(facts.split.first.angle), 13);
  Text(p, OnClock(kCentre, outside, facts.split.second.angle), Qt::AlignLeft | Qt::AlignVCenter,
       "α<sub>2</sub> = " + Degrees(facts.split.second.angle), 13);
}

// W1 and W2 head to tail end where W does: together they pull the same way.
void Sum(QPainter& p, const PageFacts& facts) {
  const Correction& weight = facts.example[0];
  const HoleWeight& first = facts.split.first;
  const HoleWeight& second = facts.split.second;
  const QPointF origin(0, 0);
  const QPointF firstTip = OnClock(origin, first.mass, first.angle);
  const QPointF whole = OnClock(origin, weight.mass, weight.angle);
  // Scale and place the triangle to fill its area, whatever way it points.
  const QRectF bounds = QRectF(origin, whole).normalized().united(
      QRectF(origin, firstTip).normalized());
  const double scale = std::min(kVectorArea.width() / std::max(bounds.width(), 1.0),
                                kVectorArea.height() / std::max(bounds.height(), 1.0));
  const auto place = [&](const QPointF& point) {
    return kVectorArea.center() + (point - bounds.center()) * scale;
  };

  const QColor colour = PlaneColour(0);
  Arrow(p, place(origin), place(whole), colour, 3);
  Arrow(p, place(origin), place(firstTip), palette::kPageText, 2);
  Arrow(p, place(firstTip), place(whole), palette::kPageText, 2);
  // Each label on the outer side of its arrow, away from the triangle.
  TextBeside(p, place(origin), place(whole), -10,
             "<b>W = " + AsShown(weight.mass) + " %</b>", 14, colour);
  TextBeside(p, place(origin), place(firstTip), 8,
             "W<sub>1</sub> = " + AsShown(first.mass) + " %", 14);
  TextBeside(p, place(firstTip), place(whole), 8,
             "W<sub>2</sub> = " + AsShown(second.mass) + " %", 14);
}

}  // namespace

void PaintSplit(QPainter& p, const PageFacts& facts) {
  Plane(p, facts);
  Text(p, {kVectorArea.left() - 10, 8}, Qt::AlignLeft | Qt::AlignTop,
       "<b>Two parts with the effect of W</b>", 15, palette::kPageHeading);
  Sum(p, facts);
  Text(p, {kVectorArea.left() - 10, 236}, Qt::AlignLeft | Qt::AlignTop,
       "W<sub>1</sub> = W · sin(α<sub>2</sub> − θ) / sin(α<sub>2</sub> − α<sub>1</sub>)<br>"
       "W<sub>2</sub> = W · sin(θ − α<sub>1</sub>) / sin(α<sub>2</sub> − α<sub>1</sub>)",
       15);
}

}  // namespace balance3::help
