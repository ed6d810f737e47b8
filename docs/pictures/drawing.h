#pragma once

#include <QPointF>
#include <QString>

#include "Palette.h"

class QPainter;

// What the help page's pictures have in common besides the palette: the
// planes' colours, the text, and the few shapes that several pictures draw.
namespace balance3::help::draw {

// Plane 1, 2 or 3 (zero-based) in the same colour in every picture.
QColor PlaneColour(int plane);

// Angles in the pictures are read like a clock: 0° at the top, growing
// clockwise, which is the direction the rotor turns in every picture.
QPointF OnClock(const QPointF& centre, double radius, double degrees);

// `html` in Arial at `pixels` high, placed so that `at` is the point of its
// box that `alignment` names (AlignLeft | AlignVCenter: the middle of its
// left edge). HTML so that labels can carry subscripts and bold words.
void Text(QPainter& p, const QPointF& at, int alignment, const QString& html,
          int pixels, const QColor& colour = palette::kPageText);

// `html` beside the middle of the line from `from` to `to`, `gap` pixels away
// on its left (seen from `from`) or, with a negative gap, on its right.
void TextBeside(QPainter& p, const QPointF& from, const QPointF& to, double gap,
                const QString& html, int pixels, const QColor& colour = palette::kPageText);

// A straight arrow with a filled head at `to`.
void Arrow(QPainter& p, const QPointF& from, const QPointF& to, const QColor& colour,
           double width = 2.0);

// An arc on the clock from `from` degrees over `span` degrees (negative:
// counter-clockwise) with a filled head at its end.
void ArcArrow(QPainter& p, const QPointF& centre, double radius, double from, double span,
              const QColor& colour, double width = 2.0);

// A correction plane seen end-on: a steel disc on its shaft.
void Disc(QPainter& p, const QPointF& centre, double radius);

// The trial weight's mark on the rim of a disc, at 0°.
void TrialMark(QPainter& p, const QPointF& centre, double radius);

}  // namespace balance3::help::draw
