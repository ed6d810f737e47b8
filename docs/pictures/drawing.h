#pragma once

#include <QColor>
#include <QPointF>
#include <QString>

class QPainter;

// What the help page's pictures have in common: the program's colours, its
// font, and the few shapes that several pictures draw.
namespace balance3::help::draw {

inline const QColor kInk(0x1A, 0x1A, 0x1A);      // the page's text
inline const QColor kHeading(0x0B, 0x3D, 0x91);  // the page's headings
inline const QColor kPanel(0xAB, 0xCC, 0xF3);    // the windows' button panels
inline const QColor kRule(0x7A, 0x8C, 0xA6);     // the page's table borders
inline const QColor kTrial(0xF7, 0xC2, 0x6A);    // the result band
inline const QColor kSteel(0xB8, 0xB8, 0xB8);    // the gear icon's metal
inline const QColor kSteelDark(0x60, 0x60, 0x60);

// Plane 1, 2 or 3 (zero-based) in the same colour in every picture.
QColor PlaneColour(int plane);

// Angles in the pictures are read like a clock: 0° at the top, growing
// clockwise, which is the direction the rotor turns in every picture.
QPointF OnClock(const QPointF& centre, double radius, double degrees);

// `html` in Arial at `pixels` high, placed so that `at` is the point of its
// box that `alignment` names (AlignLeft | AlignVCenter: the middle of its
// left edge). HTML so that labels can carry subscripts and bold words.
void Text(QPainter& p, const QPointF& at, int alignment, const QString& html,
          int pixels, const QColor& colour = kInk);

// `html` beside the middle of the line from `from` to `to`, `gap` pixels away
// on its left (seen from `from`) or, with a negative gap, on its right.
void TextBeside(QPainter& p, const QPointF& from, const QPointF& to, double gap,
                const QString& html, int pixels, const QColor& colour = kInk);

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
