#include "weight_split.h"

#include <cmath>
#include <complex>

#include "polar.h"

namespace balance3::help {

namespace {
double Sin(double degrees) { return std::sin(degrees * kDegreesToRadians); }

std::complex<double> AsVector(const Correction& weight) {
  return std::polar(weight.mass, weight.angle * static_cast<double>(kDegreesToRadians));
}
}  // namespace

SplitWeight SplitBetweenHoles(const Correction& weight, int pitch) {
  // 360° is the 0° mark itself.
  const double angle = std::fmod(weight.angle, 360.0);
  const int first = static_cast<int>(std::floor(angle / pitch)) * pitch;
  const int second = first + pitch;
  const double span = Sin(pitch);
  return {{first, weight.mass * Sin(second - angle) / span},
          {second % 360, weight.mass * Sin(angle - first) / span}};
}

Correction Combine(const Correction& a, const Correction& b) {
  const std::complex<double> sum = AsVector(a) + AsVector(b);
  const double angle = std::arg(sum) * static_cast<double>(kRadiansToDegrees);
  return {std::abs(sum), angle < 0 ? angle + 360.0 : angle};
}

Correction Difference(const Correction& a, const Correction& b) {
  return Combine(a, {b.mass, b.angle + 180.0});
}

}  // namespace balance3::help
