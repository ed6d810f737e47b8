#pragma once

#include "measurement.h"

namespace balance3 {

// One influence coefficient: what a trial weight changed at one sensor.
struct EffectVector {
  double Magnitude = 0.0;
  double Angle = 0.0;  // radians, in [-pi/2, 3pi/2]
};

// vectors[plane][weight]: what the trial weight in plane `weight` (the one of
// run weight + 1) changed at the sensor of `plane`.
struct EffectMatrix {
  EffectVector vectors[kPlanes][kPlanes];
};

// Overwrites every magnitude and every angle except where the difference
// vector is too short to have a direction: such an element keeps the angle it
// held before (zero at first).
void ComputeEffectMatrix(const MeasurementSet& set, EffectMatrix& matrix);

}  // namespace balance3
