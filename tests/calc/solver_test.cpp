#include "solver.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calculation.h"
#include "default_fields.h"

namespace balance3 {
namespace {

using testing::Overrides;

struct Outcome {
  std::optional<ResultTexts> labels;
  std::vector<std::string> warnings;
};

Outcome Calculate(Calculation& calculation, Overrides overrides,
                  std::u16string_view separator = u",") {
  Outcome out;
  const auto texts = testing::TextsWith(overrides);
  out.labels = calculation.Calculate(
      testing::Views(texts), separator,
      [&](const std::string& message) { out.warnings.push_back(message); });
  return out;
}

Outcome Calculate(Overrides overrides, std::u16string_view separator = u",") {
  Calculation calculation;
  calculation.SetTrialReferences(100.0);
  return Calculate(calculation, overrides, separator);
}

TEST(SolveCorrection, WorkedExample) {
  Calculation calculation;
  calculation.SetTrialReferences(100.0);
  ASSERT_TRUE(Calculate(calculation, {}).labels);

  const PolarDeterminant d = ComputeDeterminant(calculation.effects().a);
  EXPECT_NEAR(d.Re, -128.815657, 5e-7);
  EXPECT_NEAR(d.Im, 868.996780, 5e-7);
  EXPECT_NEAR(d.Magnitude, 878.492388, 5e-7);
  EXPECT_NEAR(*d.Angle, 1.717960, 5e-7);

  const SolveOutcome outcome =
      SolveCorrection(calculation.effects(), calculation.measurements());
  ASSERT_EQ(outcome.status, SolveStatus::Solved);
  const double mass[] = {46.465359, 126.577537, 132.424969};
  const double angle[] = {53.390699, 183.820298, 23.239318};
  for (int k = 0; k < kPlanes; ++k) {
    EXPECT_NEAR(outcome.result.Mass[k], mass[k], 5e-7);
    EXPECT_NEAR(outcome.result.Angle[k], angle[k], 5e-7);
  }
}

const ResultTexts kExampleComma = {u"46,47", u"126,58", u"132,42",
                                   u"53,39", u"183,82", u"23,24"};

TEST(Calculation, WorkedExampleLabelTexts) {
  EXPECT_EQ(Calculate({}).labels, kExampleComma);

  Overrides pointTexts = {{"EditV10", u"7.2"},  {"EditV20", u"13.5"},
                          {"EditV30", u"3.5"},  {"EditV11", u"4.9"},
                          {"EditV21", u"9.2"},  {"EditV31", u"2.7"},
                          {"EditV12", u"4.0"},  {"EditV22", u"12.0"},
                          {"EditV32", u"6.3"},  {"EditV13", u"8.2"},
                          {"EditV23", u"9.7"},  {"EditV33", u"9.5"}};
  const ResultTexts point = {u"46.47", u"126.58", u"132.42",
                             u"53.39", u"183.82", u"23.24"};
  EXPECT_EQ(Calculate(pointTexts, u".").labels, point);
}

TEST(Calculation, PhasesBeyondAFullTurnGiveTheSameResult) {
  EXPECT_EQ(Calculate({{"EditF10", u"598"}, {"EditF21", u"707"}}).labels,
            kExampleComma);
}

struct SingularCase {
  const char* name;
  Overrides overrides;
};

const SingularCase kSingularCases[] = {
    {"run 1 typed as run 0",
     {{"EditV11", u"7,2"}, {"EditF11", u"238"}, {"EditV21", u"13,5"},
      {"EditF21", u"296"}, {"EditV31", u"3,5"}, {"EditF31", u"128"}}},
    {"run 2 typed as run 0",
     {{"EditV12", u"7,2"}, {"EditF12", u"238"}, {"EditV22", u"13,5"},
      {"EditF22", u"296"}, {"EditV32", u"3,5"}, {"EditF32", u"128"}}},
    {"run 3 typed as run 0",
     {{"EditV13", u"7,2"}, {"EditF13", u"238"}, {"EditV23", u"13,5"},
      {"EditF23", u"296"}, {"EditV33", u"3,5"}, {"EditF33", u"128"}}},
    {"runs 2 and 3 typed identical",
     {{"EditV13", u"4,0"}, {"EditF13", u"79"}, {"EditV23", u"12,0"},
      {"EditF23", u"292"}, {"EditV33", u"6,3"}, {"EditF33", u"396"}}},
    {"every field zero",
     {{"EditV10", u"0"}, {"EditF10", u"0"}, {"EditV11", u"0"}, {"EditF11", u"0"},
      {"EditV12", u"0"}, {"EditF12", u"0"}, {"EditV13", u"0"}, {"EditF13", u"0"},
      {"EditV20", u"0"}, {"EditF20", u"0"}, {"EditV21", u"0"}, {"EditF21", u"0"},
      {"EditV22", u"0"}, {"EditF22", u"0"}, {"EditV23", u"0"}, {"EditF23", u"0"},
      {"EditV30", u"0"}, {"EditF30", u"0"}, {"EditV31", u"0"}, {"EditF31", u"0"},
      {"EditV32", u"0"}, {"EditF32", u"0"}, {"EditV33", u"0"}, {"EditF33", u"0"}}},
};

TEST(Calculation, SingularSystemsAreReportedNotSolved) {
  for (const SingularCase& c : kSingularCases) {
    SCOPED_TRACE(c.name);
    const Outcome out = Calculate(c.overrides);
    EXPECT_FALSE(out.labels);
    EXPECT_EQ(out.warnings, std::vector<std::string>{"Incorrect trial weight"});
  }
}

TEST(Calculation, NearlySingularSystemShowsLargeMasses) {
  // Run 3 repeats run 2 but for one amplitude, a part in a million off.
  Calculation calculation;
  calculation.SetTrialReferences(100.0);
  const Outcome out =
      Calculate(calculation, {{"EditV13", u"4,000004"}, {"EditF13", u"79"},
                              {"EditV23", u"12,0"}, {"EditF23", u"292"},
                              {"EditV33", u"6,3"}, {"EditF33", u"396"}});
  EXPECT_TRUE(out.warnings.empty());
  ASSERT_TRUE(out.labels);
  const SolveOutcome outcome =
      SolveCorrection(calculation.effects(), calculation.measurements());
  EXPECT_GT(outcome.result.Mass[1], 1e6);
  EXPECT_GT(outcome.result.Mass[2], 1e6);
}

TEST(Calculation, OverflowIsReportedNotShown) {
  const Outcome out = Calculate({{"EditV11", u"1e200"}, {"EditV22", u"1e200"}});
  EXPECT_FALSE(out.labels);
  EXPECT_EQ(out.warnings, std::vector<std::string>{"Values out of range"});
}

TEST(Calculation, NoInitialVibrationNeedsNoCorrection) {
  const Outcome out =
      Calculate({{"EditV10", u"0"}, {"EditV20", u"0"}, {"EditV30", u"0"}});
  const ResultTexts zero = {u"0,00", u"0,00", u"0,00", u"0,00", u"0,00", u"0,00"};
  EXPECT_EQ(out.labels, zero);
}

TEST(Calculation, DirectionlessEffectKeepsTheAngleOfTheLastCalculation) {
  Calculation calculation;
  calculation.SetTrialReferences(100.0);
  ASSERT_TRUE(Calculate(calculation, {}).labels);
  const double before = calculation.effects().a[0][0].Angle;
  Calculate(calculation, {{"EditV11", u"7,2"}, {"EditF11", u"238"}});
  EXPECT_EQ(calculation.effects().a[0][0].Magnitude, 0.0);
  EXPECT_EQ(calculation.effects().a[0][0].Angle, before);
}

// With the right-hand side equal to twice column 1 in polar form, x1 is
// exactly 2 at an angle of exactly 0: shown as 360, never 0.
TEST(SolveCorrection, ZeroAngleDifferenceShowsAFullTurn) {
  MeasurementSet set;
  EffectMatrix a;
  const double phase[kPlanes] = {0.3, 1.1, 2.0};
  for (int s = 0; s < kPlanes; ++s) {
    set.V[s][0] = 2.0 * (s + 1);
    set.F[s][0] = phase[s];
    set.TrialRef[s] = 100.0;
    a.a[s][0] = {1.0 * (s + 1), static_cast<double>(phase[s] + 3.14159265358979323846L)};
    a.a[s][1] = {1.0, 0.5 * s};
    a.a[s][2] = {2.0, 1.0 - 0.7 * s};
  }
  const SolveOutcome outcome = SolveCorrection(a, set);
  ASSERT_EQ(outcome.status, SolveStatus::Solved);
  EXPECT_EQ(outcome.result.Mass[0], 200.0);
  EXPECT_EQ(outcome.result.Angle[0], 360.0);
}

}  // namespace
}  // namespace balance3
