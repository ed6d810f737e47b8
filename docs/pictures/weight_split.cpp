#include "weight_split.h"

#include <cmath>

#include "polar.h"

namespace balance3::help {

namespace {
double Sin(double degrees) { return std::sin(degrees * kDegreesToRadians); }
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

}  // namespace balance3::help
