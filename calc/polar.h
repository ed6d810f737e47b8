#pragma once

#include <optional>

namespace balance3 {

// Every angle constant of the calculation, at the precision the method
// prescribes for it.
//
// The arithmetic runs in long double, but the method stores some of its
// values as doubles between steps (readings, effect vectors, term magnitudes
// and angles, the determinants' parts, the results). Each place where a long
// double is rounded to a double is one of those and says so: the pinned
// results depend on them, so none may be tidied away.
inline constexpr long double kPi = 3.14159265358979323846L;
inline constexpr long double kTwoPi = 6.28318530717958647693L;
inline constexpr long double kRadiansToDegrees = 57.295779513082320877L;
inline constexpr long double kDegreesToRadians = 0.017453292519943295769L;
inline constexpr double kPositiveImaginaryAxis = 1.5707963267948966;
inline constexpr double kNegativeImaginaryAxis = 4.71238898038469;

// Angle of the vector (re, im), in [-pi/2, 3pi/2]. The quadrant is decided by
// testRe and testIm (the parts as compared, possibly thresholded), the
// arctangent is taken of the parts themselves. Both tests zero: no angle.
std::optional<double> PolarAngle(double testRe, double testIm, double re,
                                 double im);

}  // namespace balance3
