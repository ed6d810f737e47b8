#pragma once

#include <array>

#include "weight_split.h"
#include "worked_example.h"

namespace balance3::help {

using SensorReadings = std::array<Reading, kPlanes>;

// A trim that reuses the worked example's trial runs: the corrections were
// fitted with one plane's weight off its angle, the check run shows what that
// left, and the trim is typed as the check run for Run0 and, for each Run p,
// the check run plus (old Run p - old Run0) at each sensor.
struct TrimExample {
  int plane = 0;               // the weight fitted off its angle
  double offDegrees = 0.0;     // and by how much, counted as the shown angles
  SensorReadings check;        // the check run, as an instrument shows it
  std::array<SensorReadings, kPlanes> trialRuns;  // Run1 to Run3 as typed
  Corrections trim;            // what F9 gives for them
  Correction left;             // the part of the correction the error left off
};
TrimExample Trim(const Corrections& example);

// The worked example with Run0 read a second time: what F9 gives, to show
// how far the results move with the scatter of the readings.
struct RepeatExample {
  SensorReadings run0;
  Corrections results;
};
RepeatExample RepeatedRun0();

}  // namespace balance3::help
