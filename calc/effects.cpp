#include "effects.h"

#include <cmath>

#include "polar.h"
#include "sincos.h"

namespace balance3 {
namespace {

// Parts of a difference shorter than this carry no reliable direction.
constexpr double kZeroThreshold = 0.0001;

double Thresholded(double part) {
  return std::fabs(part) < kZeroThreshold ? 0.0 : part;
}

}  // namespace

void ComputeEffectMatrix(const MeasurementSet& set, EffectMatrix& matrix) {
  for (int s = 0; s < kPlanes; ++s) {
    long double sin0, cos0;
    SinCos(set.F[s][0], sin0, cos0);
    const long double v0 = set.V[s][0];
    for (int r = 1; r < kRuns; ++r) {
      long double sinR, cosR;
      SinCos(set.F[s][r], sinR, cosR);
      const long double v = set.V[s][r];
      const double x = static_cast<double>(v * cosR - v0 * cos0);
      const double y = static_cast<double>(v * sinR - v0 * sin0);

      EffectVector& e = matrix.a[s][r - 1];
      e.Magnitude = static_cast<double>(std::sqrt(
          static_cast<long double>(x) * x + static_cast<long double>(y) * y));
      if (const auto angle = PolarAngle(Thresholded(x), Thresholded(y), x, y)) {
        e.Angle = *angle;
      }
    }
  }
}

}  // namespace balance3
