#include "drawing.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextDocument>
#include <QtMath>

#include "Fonts.h"

namespace balance3::help::draw {

namespace {

// The head of an arrow whose tip is at `tip` and which points along `direction`.
void Head(QPainter& p, const QPointF& tip, QPointF direction, const QColor& colour,
          double width) {
  direction /= std::hypot(direction.x(), direction.y());
  const QPointF across(-direction.y(), direction.x());
  const double length = 5.0 + 2.5 * width;
  const QPointF back = tip - direction * length;
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPolygon(QPolygonF{tip, back + across * length * 0.42, back - across * length * 0.42});
  p.restore();
}

}  // namespace

QColor PlaneColour(int plane) {
  // The page's heading blue, the warning sign's red, the icon's green.
  static const QColor colours[] = {palette::kPageHeading, palette::kSignRed, palette::kGroundGreen};
  return colours[plane];
}

QPointF OnClock(const QPointF& centre, double radius, double degrees) {
  const double a = qDegreesToRadians(degrees);
  return centre + QPointF(radius * std::sin(a), -radius * std::cos(a));
}

void Text(QPainter& p, const QPointF& at, int alignment, const QString& html, int pixels,
          const QColor& colour) {
  QTextDocument text;
  text.setDocumentMargin(0);
  text.setDefaultFont(Arial(pixels));
  text.setHtml(QString("<span style=\"color:%1; white-space:pre\">%2</span>")
                   .arg(colour.name(), html));
  const QSizeF size(text.idealWidth(), text.size().height());
  QPointF topLeft = at;
  if (alignment & Qt::AlignRight) topLeft.rx() -= size.width();
  if (alignment & Qt::AlignHCenter) topLeft.rx() -= size.width() / 2;
  if (alignment & Qt::AlignBottom) topLeft.ry() -= size.height();
  if (alignment & Qt::AlignVCenter) topLeft.ry() -= size.height() / 2;
  p.save();
  p.translate(topLeft);
  text.drawContents(&p);
  p.restore();
}

void TextBeside(QPainter& p, const QPointF& from, const QPointF& to, double gap,
                const QString& html, int pixels, const QColor& colour) {
  const QPointF along = to - from;
  const QPointF normal = QPointF(along.y(), -along.x()) / std::hypot(along.x(), along.y()) * gap;
  // The text stands off the line on the side the normal points to; a normal
  // within 22.5° of an axis centres it across that axis.
  const double t = 0.38 * std::fabs(gap);
  const auto pick = [t](double d, int before, int middle, int after) {
    return d < -t ? before : d > t ? after : middle;
  };
  const int alignment = pick(normal.x(), Qt::AlignRight, Qt::AlignHCenter, Qt::AlignLeft) |
                        pick(normal.y(), Qt::AlignBottom, Qt::AlignVCenter, Qt::AlignTop);
  Text(p, (from + to) / 2 + normal, alignment, html, pixels, colour);
}

void Arrow(QPainter& p, const QPointF& from, const QPointF& to, const QColor& colour,
           double width) {
  const QPointF direction = to - from;
  const double length = std::hypot(direction.x(), direction.y());
  // The shaft stops inside the head, so its square end does not show.
  const QPointF shaftEnd = to - direction / length * (3.0 + 2.0 * width);
  p.save();
  p.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(from, shaftEnd);
  p.restore();
  Head(p, to, direction, colour, width);
}

void ArcArrow(QPainter& p, const QPointF& centre, double radius, double from, double span,
              const QColor& colour, double width) {
  const double end = from + span;
  const double sign = span < 0 ? -1.0 : 1.0;
  // Qt counts from three o'clock, counter-clockwise; the pictures like a clock.
  // The arc stops a head's length short of its end, where the head sits.
  const double head = qRadiansToDegrees((4.0 + 2.0 * width) / radius);
  QPainterPath arc(OnClock(centre, radius, from));
  arc.arcTo(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
            90.0 - from, -(span - sign * head));
  p.save();
  p.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(arc);
  p.restore();
  const double a = qDegreesToRadians(end);
  Head(p, OnClock(centre, radius, end), QPointF(std::cos(a), std::sin(a)) * sign, colour, width);
}

void Disc(QPainter& p, const QPointF& centre, double radius) {
  QRadialGradient metal(centre - QPointF(radius, radius) * 0.35, radius * 1.5);
  metal.setColorAt(0, palette::kSteelShine);
  metal.setColorAt(1, palette::kSteel);
  p.save();
  p.setPen(QPen(palette::kSteelShade, 1.5));
  p.setBrush(metal);
  p.drawEllipse(centre, radius, radius);
  p.setBrush(palette::kHub);
  p.drawEllipse(centre, radius * 0.16, radius * 0.16);
  p.restore();
}

void TrialMark(QPainter& p, const QPointF& centre, double radius) {
  p.save();
  p.setPen(QPen(palette::kPageText, 1));
  p.setBrush(palette::kResultBand.background);
  p.drawRect(QRectF(centre.x() - 4, centre.y() - radius - 5, 8, 12));
  p.restore();
}

}  // namespace balance3::help::draw
