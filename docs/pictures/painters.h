#pragma once

#include "catalogue.h"

namespace balance3::help {

// The rotor on its bearings with the three planes, plane 1's trial weight,
// the sensors, the direction of rotation, the reference mark and the
// tachometer.
void PaintSetup(QPainter& p, const PageFacts& facts);
// Plane 1 end-on, its correction angle counted both ways.
void PaintAngle(QPainter& p, const PageFacts& facts);
// Plane 1's weight split between the two holes around it.
void PaintSplit(QPainter& p, const PageFacts& facts);
// The three correction weights on one polar grid.
void PaintExample(QPainter& p, const PageFacts& facts);

}  // namespace balance3::help
