#pragma once

#include "worked_example.h"

namespace balance3::help {

// One part of a split weight: the hole's angle in degrees from the 0° mark,
// and the mass in the unit of the whole weight.
struct HoleWeight {
  int angle = 0;
  double mass = 0.0;
};

struct SplitWeight {
  HoleWeight first;   // the hole at or before the weight's angle
  HoleWeight second;  // the next hole, counted the same way
};

// Splits a weight that cannot go at its own angle between the two holes
// around it, on a ring of holes every `pitch` degrees with the first at the
// 0° mark, so that the two parts have the same effect as the whole weight:
// W1 = W sin(a2 - t) / sin(a2 - a1) and W2 = W sin(t - a1) / sin(a2 - a1).
// `pitch` divides 360 and is below 180, or the two holes would not span the
// weight's angle.
SplitWeight SplitBetweenHoles(const Correction& weight, int pitch);

// The one weight with the same effect as `a` and `b` together, its angle
// from 0 to below 360 degrees: the inverse of splitting, and the way an old
// weight and a new one, or a weight and one to take off (turned 180
// degrees), make one.
Correction Combine(const Correction& a, const Correction& b);

// `a` minus `b` as vectors: `b` turned by 180° and combined, as a reading
// minus Run0 gives a trial weight's effect.
Correction Difference(const Correction& a, const Correction& b);

}  // namespace balance3::help
