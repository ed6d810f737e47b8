#include "solver.h"

#include <gtest/gtest.h>

#include "polar.h"

namespace balance3 {
namespace {

// The determinants and results of the worked example, to six decimals.
TEST(SolveCorrection, WorkedExample) {
  MeasurementSet set;
  ASSERT_TRUE(ReadMeasurements(kDefaultTexts, u",", set).empty());
  for (double& ref : set.TrialRef) ref = 100.0;
  EffectMatrix effects;
  ComputeEffectMatrix(set, effects);

  const PolarDeterminant d = ComputeDeterminant(effects.vectors);
  EXPECT_NEAR(d.Re, -128.815657, 5e-7);
  EXPECT_NEAR(d.Im, 868.996780, 5e-7);
  EXPECT_NEAR(d.Magnitude, 878.492388, 5e-7);
  EXPECT_NEAR(*d.Angle, 1.717960, 5e-7);

  const SolveOutcome outcome = SolveCorrection(effects, set);
  ASSERT_EQ(outcome.status, SolveStatus::Solved);
  const double mass[] = {46.465359, 126.577537, 132.424969};
  const double angle[] = {53.390699, 183.820298, 23.239318};
  for (int plane = 0; plane < kPlanes; ++plane) {
    EXPECT_NEAR(outcome.result.Mass[plane], mass[plane], 5e-7);
    EXPECT_NEAR(outcome.result.Angle[plane], angle[plane], 5e-7);
  }
}

// With the right-hand side equal to twice column 1 in polar form, x1 is
// exactly 2 at an angle of exactly 0: shown as 360, never 0.
TEST(SolveCorrection, ZeroAngleDifferenceShowsAFullTurn) {
  MeasurementSet set;
  EffectMatrix a;
  const double phase[kPlanes] = {0.3, 1.1, 2.0};
  for (int plane = 0; plane < kPlanes; ++plane) {
    set.V[plane][0] = 2.0 * (plane + 1);
    set.F[plane][0] = phase[plane];
    set.TrialRef[plane] = 100.0;
    a.vectors[plane][0] = {1.0 * (plane + 1), static_cast<double>(phase[plane] + kPi)};
    a.vectors[plane][1] = {1.0, 0.5 * plane};
    a.vectors[plane][2] = {2.0, 1.0 - 0.7 * plane};
  }
  const SolveOutcome outcome = SolveCorrection(a, set);
  ASSERT_EQ(outcome.status, SolveStatus::Solved);
  EXPECT_EQ(outcome.result.Mass[0], 200.0);
  EXPECT_EQ(outcome.result.Angle[0], 360.0);
}

}  // namespace
}  // namespace balance3
