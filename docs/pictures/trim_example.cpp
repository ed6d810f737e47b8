#include "trim_example.h"

namespace balance3::help {

namespace {

// Plane 1's weight fitted 10° past its angle: an error a fitter makes, and
// one the page's fitting tolerance names.
constexpr int kOffPlane = 0;
constexpr double kOffDegrees = 10.0;

// Run0 read a second time after a stop and a start: about 2 % and 2° from
// the first reading at each sensor, a usual scatter.
constexpr SensorReadings kSecondRun0 = {{{7.3, 240.0}, {13.2, 294.0}, {3.5, 130.0}}};

// What `weight` (in % of the trial weight, at a shown angle) does to the
// readings, through the effect of that plane's trial weight: the shown angle
// is counted against the phase, so it turns the effect back by that angle.
Reading Effect(const Reading& trialEffect, const Correction& weight) {
  return {trialEffect.mass * weight.mass / 100.0, trialEffect.angle - weight.angle};
}

}  // namespace

TrimExample Trim(const Corrections& example) {
  const Readings job = ExampleReadings();
  Corrections fitted = example;
  fitted[kOffPlane].angle += kOffDegrees;

  TrimExample trim;
  trim.plane = kOffPlane;
  trim.offDegrees = kOffDegrees;
  Readings typed;
  for (int sensor = 0; sensor < kPlanes; ++sensor) {
    Reading check = job[sensor][0];
    for (int plane = 0; plane < kPlanes; ++plane) {
      const Reading trialEffect = Difference(job[sensor][plane + 1], job[sensor][0]);
      check = Combine(check, Effect(trialEffect, fitted[plane]));
    }
    trim.check[sensor] = typed[sensor][0] = AsRead(check);
    for (int run = 1; run < kRuns; ++run) {
      const Reading moved = Difference(job[sensor][run], job[sensor][0]);
      trim.trialRuns[run - 1][sensor] = typed[sensor][run] =
          AsRead(Combine(trim.check[sensor], moved));
    }
  }
  trim.trim = Calculated(typed);
  const Correction& meant = example[kOffPlane];
  trim.left = Difference(meant, fitted[kOffPlane]);
  return trim;
}

RepeatExample RepeatedRun0() {
  Readings readings = ExampleReadings();
  for (int sensor = 0; sensor < kPlanes; ++sensor) readings[sensor][0] = kSecondRun0[sensor];
  return {kSecondRun0, Calculated(readings)};
}

}  // namespace balance3::help
