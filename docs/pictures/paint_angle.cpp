#include <QPainter>

#include "drawing.h"
#include "painters.h"

namespace balance3::help {

namespace {

using namespace draw;

constexpr double kRadius = 78;

struct Convention {
  const char* title;
  const char* counting;
  double sign;  // +1: the angle is counted with the rotation (clockwise)
};

// Plane 1 seen end-on in its half of the picture, turning clockwise, with its
// correction weight at the shown angle counted as `convention` says.
void Half(QPainter& p, double left, const Convention& convention, const Correction& weight) {
  const QPointF centre(left + 160, 172);
  Text(p, {centre.x(), 8}, Qt::AlignHCenter | Qt::AlignTop,
       QString("<b>%1</b>").arg(convention.title), 15, palette::kPageHeading);
  Text(p, {centre.x(), 30}, Qt::AlignHCenter | Qt::AlignTop, convention.counting, 13);

  Disc(p, centre, kRadius);
  TrialMark(p, centre, kRadius);
  Text(p, OnClock(centre, kRadius + 10, 0), Qt::AlignHCenter | Qt::AlignBottom,
       "0°: trial weight", 13);

  // The rotation, the same in both halves; only the counting differs.
  ArcArrow(p, centre, kRadius + 16, 200, 50, palette::kPageText, 2);
  Text(p, OnClock(centre, kRadius + 24, 225), Qt::AlignRight | Qt::AlignVCenter,
       "rotation", 13);

  // Counted along the rim, from the mark to the weight.
  const double angle = convention.sign * weight.angle;
  const QColor colour = PlaneColour(0);
  ArcArrow(p, centre, kRadius - 24, 0, angle, colour, 2);
  Text(p, OnClock(centre, kRadius - 46, angle / 2), Qt::AlignCenter,
       QString("<b>%1°</b>").arg(AsShown(weight.angle)), 14, colour);

  p.setPen(QPen(palette::kWhite, 1.5));
  p.setBrush(colour);
  p.drawEllipse(OnClock(centre, kRadius - 10, angle), 8, 8);
  const int side = convention.sign > 0 ? Qt::AlignLeft : Qt::AlignRight;
  Text(p, OnClock(centre, kRadius + 12, angle), side | Qt::AlignBottom,
       "correction<br>weight", 13, colour);
}

}  // namespace

void PaintAngle(QPainter& p, const PageFacts& facts) {
  const Convention lag{"Phase-lag instrument", "count the angle with the rotation", 1};
  const Convention lead{"Phase-lead instrument", "count the angle against the rotation", -1};
  Half(p, 0, lag, facts.example[0]);
  Half(p, 320, lead, facts.example[0]);
  p.setPen(QPen(palette::kPageRule, 1));
  p.drawLine(QPointF(320, 10), QPointF(320, 266));
}

}  // namespace balance3::help
