// Solves random balancing jobs a second way, by complex Gaussian elimination,
// and demands the same masses and angles.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <random>
#include <utility>

#include "effects.h"
#include "polar.h"
#include "solver.h"

namespace balance3 {
namespace {

using Complex = std::complex<long double>;

// Solves a x = rhs in place by elimination with partial pivoting.
void Eliminate(Complex (&a)[3][3], Complex (&rhs)[3]) {
  for (int col = 0; col < 3; ++col) {
    int pivot = col;
    for (int r = col + 1; r < 3; ++r) {
      if (std::abs(a[r][col]) > std::abs(a[pivot][col])) pivot = r;
    }
    std::swap(a[col], a[pivot]);
    std::swap(rhs[col], rhs[pivot]);
    for (int r = col + 1; r < 3; ++r) {
      const Complex factor = a[r][col] / a[col][col];
      for (int c = col; c < 3; ++c) a[r][c] -= factor * a[col][c];
      rhs[r] -= factor * rhs[col];
    }
  }
  for (int row = 2; row >= 0; --row) {
    for (int c = row + 1; c < 3; ++c) rhs[row] -= a[row][c] * rhs[c];
    rhs[row] /= a[row][row];
  }
}

// Well conditioned, and no effect part so short that the zero threshold's
// snapping to an axis would make the polar solution differ on purpose.
bool IsWellConditioned(const Complex (&a)[3][3]) {
  long double columnNorms = 1;
  for (int k = 0; k < 3; ++k) {
    long double norm = 0;
    for (int s = 0; s < 3; ++s) {
      if (std::fabs(a[s][k].real()) < 1e-3L || std::fabs(a[s][k].imag()) < 1e-3L) {
        return false;
      }
      norm += std::norm(a[s][k]);
    }
    columnNorms *= std::sqrt(norm);
  }
  const Complex det = a[0][0] * (a[1][1] * a[2][2] - a[1][2] * a[2][1]) -
                      a[0][1] * (a[1][0] * a[2][2] - a[1][2] * a[2][0]) +
                      a[0][2] * (a[1][0] * a[2][1] - a[1][1] * a[2][0]);
  return std::abs(det) > 0.05L * columnNorms;
}

double CircularDistance(double a, double b) {
  const double d = std::fmod(std::fabs(a - b), 360.0);
  return std::min(d, 360.0 - d);
}

TEST(CrossCheck, PolarCramerAgreesWithGaussianElimination) {
  std::mt19937_64 random(20261208);
  std::uniform_real_distribution<double> amplitude(0.5, 20.0);
  std::uniform_real_distribution<double> phaseDegrees(0.0, 360.0);

  int checked = 0;
  for (int trial = 0; trial < 4000; ++trial) {
    MeasurementSet set;
    for (int plane = 0; plane < kPlanes; ++plane) {
      set.TrialRef[plane] = 100.0;
      for (int run = 0; run < kRuns; ++run) {
        set.V[plane][run] = amplitude(random);
        set.F[plane][run] = static_cast<double>(phaseDegrees(random) * kDegreesToRadians);
      }
    }

    Complex a[3][3];
    Complex rhs[3];
    for (int plane = 0; plane < kPlanes; ++plane) {
      const Complex initial = std::polar<long double>(set.V[plane][0], set.F[plane][0]);
      for (int weight = 0; weight < kPlanes; ++weight) {
        a[plane][weight] =
            std::polar<long double>(set.V[plane][weight + 1], set.F[plane][weight + 1]) - initial;
      }
      rhs[plane] = -initial;
    }
    if (!IsWellConditioned(a)) continue;
    Eliminate(a, rhs);

    EffectMatrix effects;
    ComputeEffectMatrix(set, effects);
    const SolveOutcome outcome = SolveCorrection(effects, set);
    ASSERT_EQ(outcome.status, SolveStatus::Solved) << "trial " << trial;

    for (int plane = 0; plane < kPlanes; ++plane) {
      const double mass = static_cast<double>(std::abs(rhs[plane]) * 100);
      long double argument = std::arg(rhs[plane]) * kRadiansToDegrees;
      if (argument < 0) argument += 360;
      const double angle = static_cast<double>(360 - argument);
      ASSERT_NEAR(outcome.result.Mass[plane], mass, 1e-9 * mass)
          << "trial " << trial << " plane " << plane + 1;
      ASSERT_LE(CircularDistance(outcome.result.Angle[plane], angle), 360e-9)
          << "trial " << trial << " plane " << plane + 1;
    }
    ++checked;
  }
  EXPECT_GT(checked, 2000);
}

}  // namespace
}  // namespace balance3
