#pragma once

#include <QString>
#include <array>

#include "measurement.h"

namespace balance3::help {

// A correction weight as the result band shows it: the mass in percent of
// the plane's trial weight, the angle in degrees from the trial weight's mark.
struct Correction {
  double mass = 0.0;
  double angle = 0.0;
};
using Corrections = std::array<Correction, balance3::kPlanes>;

// A reading as an instrument shows it: the amplitude in the readings' unit,
// the phase in degrees; a polar pair like a weight, so readings add as
// vectors with Combine.
using Reading = Correction;
// A job's readings, [sensor][run].
using Readings = std::array<std::array<Reading, balance3::kRuns>, balance3::kPlanes>;

// The readings the calculator starts with.
Readings ExampleReadings();

// A reading rounded as an instrument shows it and as the page types it: the
// amplitude to two decimals, the phase to whole degrees from 0 to 359.
Reading AsRead(const Reading& reading);

// What F9 gives for `readings` typed with a decimal comma. Throws
// std::runtime_error when the calculation refuses them.
Corrections Calculated(const Readings& readings);

// The correction for the readings the calculator starts with, worked out by
// the calculation itself, so the page can never show other numbers than F9
// does. Throws std::runtime_error when the calculation refuses the readings.
Corrections WorkedExample();

// A number as the result labels write it, with the page's decimal comma.
QString AsShown(double value);

}  // namespace balance3::help
