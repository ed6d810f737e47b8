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

// The correction for the readings the calculator starts with, worked out by
// the calculation itself, so the page can never show other numbers than F9
// does. Throws std::runtime_error when the calculation refuses the readings.
Corrections WorkedExample();

// A number as the result labels write it, with the page's decimal comma.
QString AsShown(double value);

}  // namespace balance3::help
