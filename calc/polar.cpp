#include "polar.h"

#include <cmath>

namespace balance3 {

std::optional<double> PolarAngle(double testRe, double testIm, double re,
                                 double im) {
  // The one-argument arctangent with the quadrant added by hand: results must
  // stay in [-pi/2, 3pi/2], which atan2 would not give. Taken in long double
  // and rounded once to double: angles are stored as doubles.
  if (testRe > 0) {
    return static_cast<double>(std::atan(static_cast<long double>(im) / re));
  }
  if (testRe < 0) {
    return static_cast<double>(
        std::atan(static_cast<long double>(im) / re) + kPi);
  }
  if (testIm > 0) return kPositiveImaginaryAxis;
  if (testIm < 0) return kNegativeImaginaryAxis;
  return std::nullopt;
}

}  // namespace balance3
