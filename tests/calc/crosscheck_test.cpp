// Solves random balancing jobs a second way, by complex Gaussian elimination,
// and demands the same masses and angles.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <random>
#include <utility>

#include "effects.h"
#include "solver.h"

namespace balance3 {
namespace {

using Complex = std::complex<long double>;
constexpr long double kPi = 3.14159265358979323846L;

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
    for (int s = 0; s < kPlanes; ++s) {
      set.TrialRef[s] = 100.0;
      for (int r = 0; r < kRuns; ++r) {
        set.V[s][r] = amplitude(random);
        set.F[s][r] = static_cast<double>(phaseDegrees(random) * kPi / 180);
      }
    }

    Complex a[3][3];
    Complex rhs[3];
    for (int s = 0; s < kPlanes; ++s) {
      const Complex initial = std::polar<long double>(set.V[s][0], set.F[s][0]);
      for (int k = 0; k < kPlanes; ++k) {
        a[s][k] = std::polar<long double>(set.V[s][k + 1], set.F[s][k + 1]) - initial;
      }
      rhs[s] = -initial;
    }
    if (!IsWellConditioned(a)) continue;
    Eliminate(a, rhs);

    EffectMatrix effects;
    ComputeEffectMatrix(set, effects);
    const SolveOutcome outcome = SolveCorrection(effects, set);
    ASSERT_EQ(outcome.status, SolveStatus::Solved) << "trial " << trial;

    for (int k = 0; k < kPlanes; ++k) {
      const double mass = static_cast<double>(std::abs(rhs[k]) * 100);
      long double argument = std::arg(rhs[k]) * 180 / kPi;
      if (argument < 0) argument += 360;
      const double angle = static_cast<double>(360 - argument);
      ASSERT_NEAR(outcome.result.Mass[k], mass, 1e-9 * mass)
          << "trial " << trial << " plane " << k + 1;
      ASSERT_LE(CircularDistance(outcome.result.Angle[k], angle), 360e-9)
          << "trial " << trial << " plane " << k + 1;
    }
    ++checked;
  }
  EXPECT_GT(checked, 2000);
}

}  // namespace
}  // namespace balance3
