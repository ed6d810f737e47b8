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
  for (int plane = 0; plane < kPlanes; ++plane) {
    long double sin0, cos0;
    SinCos(set.F[plane][0], sin0, cos0);
    const long double v0 = set.V[plane][0];
    for (int weight = 0; weight < kPlanes; ++weight) {
      const int run = weight + 1;
      long double sinR, cosR;
      SinCos(set.F[plane][run], sinR, cosR);
      const long double v = set.V[plane][run];
      const double x = static_cast<double>(v * cosR - v0 * cos0);
      const double y = static_cast<double>(v * sinR - v0 * sin0);

      EffectVector& e = matrix.vectors[plane][weight];
      e.Magnitude = static_cast<double>(std::sqrt(
          static_cast<long double>(x) * x + static_cast<long double>(y) * y));
      if (const auto angle = PolarAngle(Thresholded(x), Thresholded(y), x, y)) {
        e.Angle = *angle;
      }
    }
  }
}

}  // namespace balance3
