#include "effects.h"

#include <cmath>

#include "polar.h"

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
    const long double phase0 = set.F[plane][0];
    const long double v0 = set.V[plane][0];
    const long double cos0 = std::cos(phase0);
    const long double sin0 = std::sin(phase0);
    for (int weight = 0; weight < kPlanes; ++weight) {
      const int run = weight + 1;
      const long double phase = set.F[plane][run];
      const long double v = set.V[plane][run];
      // The difference's parts are stored as doubles before the threshold,
      // the magnitude and the angle see them.
      const double x = static_cast<double>(v * std::cos(phase) - v0 * cos0);
      const double y = static_cast<double>(v * std::sin(phase) - v0 * sin0);

      EffectVector& e = matrix.vectors[plane][weight];
      // From the stored parts, widened again; the magnitude is stored as a double.
      e.Magnitude = static_cast<double>(std::sqrt(
          static_cast<long double>(x) * x + static_cast<long double>(y) * y));
      if (const auto angle = PolarAngle(Thresholded(x), Thresholded(y), x, y)) {
        e.Angle = *angle;
      }
    }
  }
}

}  // namespace balance3
