#include <QPainter>
#include <algorithm>
#include <cmath>

#include "drawing.h"
#include "painters.h"

namespace balance3::help {

namespace {

using namespace draw;

const QPointF kCentre(185, 178);
constexpr double kRadius = 128;
constexpr double kRingStep = 50;  // percent of the trial weight

// The angle between two grid lines farthest from every weight, where the
// ring values can stand.
int RingLabelAngle(const Corrections& example) {
  int best = 0;
  double bestGap = -1;
  for (int line = 15; line < 360; line += 30) {
    double gap = 180;
    for (const Correction& weight : example) {
      const double apart = std::fabs(std::remainder(weight.angle - line, 360.0));
      gap = std::min(gap, apart);
    }
    if (gap > bestGap) {
      best = line;
      bestGap = gap;
    }
  }
  return best;
}

void Grid(QPainter& p, int rings, int labelAngle) {
  p.setBrush(Qt::NoBrush);
  for (int ring = 1; ring <= rings; ++ring) {
    const bool rim = ring == rings;
    p.setPen(QPen(rim ? palette::kPageRule : palette::kButtonPanel.background, rim ? 1.5 : 1));
    const double r = kRadius * ring / rings;
    p.drawEllipse(kCentre, r, r);
  }
  for (int angle = 0; angle < 360; angle += 30) {
    p.setPen(QPen(palette::kButtonPanel.background, 1));
    p.drawLine(kCentre, OnClock(kCentre, kRadius, angle));
    const int side = angle == 0 || angle == 180 ? Qt::AlignHCenter
                     : angle < 180             ? Qt::AlignLeft
                                               : Qt::AlignRight;
    const int level = angle == 0 ? Qt::AlignBottom : angle == 180 ? Qt::AlignTop : Qt::AlignVCenter;
    Text(p, OnClock(kCentre, kRadius + 6, angle), side | level, QString("%1°").arg(angle), 12,
         palette::kSteelShade);
  }
  for (int ring = 1; ring <= rings; ++ring) {
    Text(p, OnClock(kCentre, kRadius * ring / rings, labelAngle), Qt::AlignCenter,
         QString("<span style=\"background-color:white\">%1 %</span>").arg(ring * kRingStep),
         12, palette::kPageText);
  }
}

void Legend(QPainter& p, const Corrections& example) {
  const double x = 392;
  Text(p, {x, 40}, Qt::AlignLeft | Qt::AlignTop, "<b>Correction weights</b>", 15,
       palette::kPageHeading);
  for (int plane = 0; plane < balance3::kPlanes; ++plane) {
    const double y = 86 + plane * 46;
    const QColor colour = PlaneColour(plane);
    Arrow(p, {x, y}, {x + 30, y}, colour, 3);
    Text(p, {x + 42, y}, Qt::AlignLeft | Qt::AlignVCenter,
         QString("<b>plane %1</b>: %2 % at %3°")
             .arg(plane + 1)
             .arg(AsShown(example[plane].mass), AsShown(example[plane].angle)),
         14, colour);
  }
  Text(p, {x, 238}, Qt::AlignLeft | Qt::AlignTop,
       "Mass in % of each plane's trial weight;<br>"
       "angle from its trial weight's mark,<br>"
       "counted with the rotation, as for<br>a phase-lag instrument.",
       13);
}

}  // namespace

void PaintExample(QPainter& p, const PageFacts& facts) {
  double largest = 0;
  for (const Correction& weight : facts.example) largest = std::max(largest, weight.mass);
  const int rings = std::max(1, static_cast<int>(std::ceil(largest / kRingStep)));
  Grid(p, rings, RingLabelAngle(facts.example));

  ArcArrow(p, kCentre, kRadius + 30, 300, 40, palette::kPageText, 2);
  Text(p, OnClock(kCentre, kRadius + 36, 312), Qt::AlignRight | Qt::AlignBottom, "rotation", 13);

  const double unit = kRadius / (rings * kRingStep);
  for (int plane = 0; plane < balance3::kPlanes; ++plane) {
    const Correction& weight = facts.example[plane];
    const QPointF tip = OnClock(kCentre, weight.mass * unit, weight.angle);
    Arrow(p, kCentre, tip, PlaneColour(plane), 3);
    // The number, for whoever cannot tell the colours apart.
    TextBeside(p, kCentre, tip, -9, QString("<b>%1</b>").arg(plane + 1), 14, PlaneColour(plane));
  }
  p.setPen(Qt::NoPen);
  p.setBrush(palette::kPageText);
  p.drawEllipse(kCentre, 3, 3);
  Legend(p, facts.example);
}

}  // namespace balance3::help
