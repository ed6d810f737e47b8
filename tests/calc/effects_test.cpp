#include "effects.h"

#include <gtest/gtest.h>

#include "polar.h"

namespace balance3 {
namespace {

double Radians(double degrees) { return static_cast<double>(degrees * kDegreesToRadians); }

// Sensor 1 with an initial reading (v0, f0) and a trial-run-1 reading (v, f).
EffectVector EffectOf(double v0, double f0, double v, double f,
                      double previousAngle = 0.0) {
  MeasurementSet set;
  set.V[0][0] = v0;
  set.F[0][0] = Radians(f0);
  set.V[0][1] = v;
  set.F[0][1] = Radians(f);
  EffectMatrix matrix;
  matrix.vectors[0][0].Angle = previousAngle;
  ComputeEffectMatrix(set, matrix);
  return matrix.vectors[0][0];
}

struct AngleCase {
  const char* name;
  double v0, f0, v, f;
  double magnitude;
  double angle;
  bool exact;  // the angle must be this very double
};

const AngleCase kAngleCases[] = {
    {"positive imaginary axis despite cosine noise", 0, 0, 2, 90, 2, kPositiveImaginaryAxis, true},
    {"negative imaginary axis", 0, 0, 1, 270, 1, kNegativeImaginaryAxis, true},
    {"fourth quadrant stays negative", 0, 0, 1, 315, 1, -0.78539816339744831, false},
    {"second quadrant", 0, 0, 1, 135, 1, 2.3561944901923448, false},
    {"third quadrant", 0, 0, 1, 225, 1, 3.9269908169872414, false},
    {"small real part snaps to the axis", 0, 0, 1, 89.995, 1, kPositiveImaginaryAxis, true},
    {"small imaginary part still enters the arctangent", 0, 0, 1, 0.003, 1,
     5.2359877559829886e-05, false},
    {"opposite readings", 1, 0, 1, 180, 2, 3.1415926535897931, false},
    {"phases beyond a full turn need no reduction", 0, 0, 1, 396, 1,
     0.62831853071795862, false},
};

TEST(ComputeEffectMatrix, AngleFollowsTheQuadrantRules) {
  for (const AngleCase& c : kAngleCases) {
    SCOPED_TRACE(c.name);
    const EffectVector e = EffectOf(c.v0, c.f0, c.v, c.f);
    EXPECT_NEAR(e.Magnitude, c.magnitude, 1e-12);
    if (c.exact) {
      EXPECT_EQ(e.Angle, c.angle);
    } else {
      EXPECT_NEAR(e.Angle, c.angle, 1e-12);
    }
  }
}

TEST(ComputeEffectMatrix, NoDifferenceKeepsThePreviousAngle) {
  EXPECT_EQ(EffectOf(3, 40, 3, 40).Magnitude, 0.0);
  EXPECT_EQ(EffectOf(3, 40, 3, 40).Angle, 0.0);
  EXPECT_EQ(EffectOf(3, 40, 3, 40, 1.25).Angle, 1.25);
}

TEST(ComputeEffectMatrix, WorkedExample) {
  MeasurementSet set;
  ASSERT_TRUE(ReadMeasurements(kDefaultTexts, u",", set).empty());
  EffectMatrix matrix;
  ComputeEffectMatrix(set, matrix);

  const double expected[kPlanes][kPlanes][2] = {
      {{10.738093, 1.400256}, {11.027884, 1.142646}, {12.999337, 1.620868}},
      {{10.515076, 1.276885}, {1.743344, 2.525415}, {12.870753, 2.776493}},
      {{5.462021, -1.335046}, {7.312938, 0.129587}, {9.833826, 0.388048}},
  };
  for (int plane = 0; plane < kPlanes; ++plane) {
    for (int weight = 0; weight < kPlanes; ++weight) {
      SCOPED_TRACE(::testing::Message() << "sensor " << plane + 1 << " run " << weight + 1);
      const EffectVector& e = matrix.vectors[plane][weight];
      EXPECT_NEAR(e.Magnitude, expected[plane][weight][0], 5e-7);
      EXPECT_NEAR(e.Angle, expected[plane][weight][1], 5e-7);
    }
  }
}

}  // namespace
}  // namespace balance3
