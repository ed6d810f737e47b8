#include "calculation.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "example_results.h"
#include "format.h"
#include "test_texts.h"

namespace balance3 {
namespace {

using testing::Overrides;
using testing::TextsWith;
using testing::WarningTexts;
using Warnings = std::vector<std::string>;

CalculatorState Started() {
  CalculatorState state;
  SetTrialReferences(state, 100.0);
  return state;
}

CalculationOutcome CalculateWith(Overrides overrides) {
  CalculatorState state = Started();
  return Calculate(TextsWith(overrides), u",", state);
}

// The label texts the window would show, if any.
std::optional<ResultTexts> LabelsWith(Overrides overrides) {
  const CalculationOutcome outcome = CalculateWith(overrides);
  if (!outcome.corrections) return std::nullopt;
  return FormatResults(*outcome.corrections, u",");
}

const ResultTexts kExample = [] {
  ResultTexts texts;
  for (int k = 0; k < kResultCount; ++k) {
    const std::string_view text = kExampleResults[k];
    texts[k].assign(text.begin(), text.end());
  }
  return texts;
}();

TEST(Calculate, WorkedExampleLabelTexts) { EXPECT_EQ(LabelsWith({}), kExample); }

TEST(Calculate, PhasesBeyondAFullTurnGiveTheSameResult) {
  EXPECT_EQ(LabelsWith({{"EditF10", u"598"}, {"EditF21", u"707"}}), kExample);
}

TEST(Calculate, NoInitialVibrationNeedsNoCorrection) {
  const ResultTexts zero = {u"0,00", u"0,00", u"0,00", u"0,00", u"0,00", u"0,00"};
  EXPECT_EQ(LabelsWith({{"EditV10", u"0"}, {"EditV20", u"0"}, {"EditV30", u"0"}}), zero);
}

// Jobs built so that their texts change if any step of the chain (reading,
// effect vectors, determinants, arctangent, mass ratio, result angle) is
// carried in double instead of extended precision, or if sine and cosine come
// from anywhere but the library. Results sit on or next to rounding ties, or
// follow from the sign of a rounding residue. The texts come from a
// straight-line long double evaluation of the method written apart from this
// library (x86-64, glibc 2.36), which agreed with it bit for bit on 1.4
// million random jobs. A silent trial run makes numerators zero in theory:
// their planes show no weight and no direction.
struct PinnedCase {
  const char* name;
  Overrides overrides;
  ResultTexts expected;
};

const PinnedCase kPinnedCases[] = {
    {"phases typed as 0 and 180",
     {{"EditF10", u"0"}, {"EditF11", u"0"}, {"EditF12", u"180"}, {"EditF13", u"180"},
      {"EditF20", u"0"}, {"EditF21", u"0"}, {"EditF22", u"0"}, {"EditF23", u"180"},
      {"EditF30", u"0"}, {"EditF31", u"0"}, {"EditF32", u"180"}, {"EditF33", u"180"}},
     {u"224,29", u"5,08", u"16,95", u"0,00", u"180,00", u"360,00"}},
    {"nearly singular: last digits of large masses",
     {{"EditV13", u"4,0000000004"}, {"EditF13", u"79"}, {"EditV23", u"12,0"},
      {"EditF23", u"292"}, {"EditV33", u"6,3"}, {"EditF33", u"396"}},
     {u"138,31", u"4300662770696,47", u"4300662770666,47", u"316,98", u"266,12", u"86,12"}},
    {"masses exactly on hundredths ties",
     {{"EditV10", u"9"}, {"EditF10", u"0"}, {"EditV11", u"6"}, {"EditF11", u"180"},
      {"EditV12", u"9"}, {"EditF12", u"180"}, {"EditV13", u"2"}, {"EditF13", u"0"},
      {"EditV20", u"5"}, {"EditF20", u"0"}, {"EditV21", u"3"}, {"EditF21", u"0"},
      {"EditV22", u"4"}, {"EditF22", u"0"}, {"EditV23", u"6"}, {"EditF23", u"0"},
      {"EditV30", u"9"}, {"EditF30", u"0"}, {"EditV31", u"2"}, {"EditF31", u"0"},
      {"EditV32", u"4"}, {"EditF32", u"180"}, {"EditV33", u"7"}, {"EditF33", u"0"}},
     {u"115,63", u"41,88", u"226,88", u"0,00", u"360,00", u"180,00"}},
    {"mass tuned onto a hundredths tie",
     {{"EditV11", u"4,899977127484242"}},
     {u"46,47", u"126,58", u"132,43", u"53,39", u"183,82", u"23,24"}},
    {"angle tuned onto a hundredths tie",
     {{"EditV12", u"4,0010336295050974"}},
     {u"46,48", u"126,58", u"132,43", u"53,39", u"183,82", u"23,23"}},
    {"run 1 without vibration: zero numerators",
     {{"EditV11", u"0"}, {"EditV21", u"0"}, {"EditV31", u"0"}},
     {u"100,00", u"0,00", u"0,00", u"360,00", u"0,00", u"0,00"}},
    {"run 3 without vibration: zero numerators",
     {{"EditV13", u"0"}, {"EditV23", u"0"}, {"EditV33", u"0"}},
     {u"0,00", u"0,00", u"100,00", u"0,00", u"0,00", u"0,00"}},
};

TEST(Calculate, EveryDigitFollowsTheMethodInExtendedPrecision) {
  for (const PinnedCase& c : kPinnedCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(LabelsWith(c.overrides), c.expected);
  }
}

struct RefusedCase {
  const char* name;
  Overrides overrides;
  const char* warning;
};

const RefusedCase kRefusedCases[] = {
    {"run 1 typed as run 0",
     {{"EditV11", u"7,2"}, {"EditF11", u"238"}, {"EditV21", u"13,5"},
      {"EditF21", u"296"}, {"EditV31", u"3,5"}, {"EditF31", u"128"}},
     "Incorrect trial weight"},
    {"run 2 typed as run 0",
     {{"EditV12", u"7,2"}, {"EditF12", u"238"}, {"EditV22", u"13,5"},
      {"EditF22", u"296"}, {"EditV32", u"3,5"}, {"EditF32", u"128"}},
     "Incorrect trial weight"},
    {"run 3 typed as run 0",
     {{"EditV13", u"7,2"}, {"EditF13", u"238"}, {"EditV23", u"13,5"},
      {"EditF23", u"296"}, {"EditV33", u"3,5"}, {"EditF33", u"128"}},
     "Incorrect trial weight"},
    {"runs 2 and 3 typed identical",
     {{"EditV13", u"4,0"}, {"EditF13", u"79"}, {"EditV23", u"12,0"},
      {"EditF23", u"292"}, {"EditV33", u"6,3"}, {"EditF33", u"396"}},
     "Incorrect trial weight"},
    {"every field zero",
     {{"EditV10", u"0"}, {"EditF10", u"0"}, {"EditV11", u"0"}, {"EditF11", u"0"},
      {"EditV12", u"0"}, {"EditF12", u"0"}, {"EditV13", u"0"}, {"EditF13", u"0"},
      {"EditV20", u"0"}, {"EditF20", u"0"}, {"EditV21", u"0"}, {"EditF21", u"0"},
      {"EditV22", u"0"}, {"EditF22", u"0"}, {"EditV23", u"0"}, {"EditF23", u"0"},
      {"EditV30", u"0"}, {"EditF30", u"0"}, {"EditV31", u"0"}, {"EditF31", u"0"},
      {"EditV32", u"0"}, {"EditF32", u"0"}, {"EditV33", u"0"}, {"EditF33", u"0"}},
     "Incorrect trial weight"},
    {"products beyond the range of a double",
     {{"EditV11", u"1e200"}, {"EditV22", u"1e200"}},
     "Values out of range"},
    {"an unreadable field", {{"EditV11", u"4.9"}}, "Incorrect value Vo1, Run#1"},
};

TEST(Calculate, RefusedJobsAreWarnedOfAndShowNothing) {
  for (const RefusedCase& c : kRefusedCases) {
    SCOPED_TRACE(c.name);
    const CalculationOutcome outcome = CalculateWith(c.overrides);
    EXPECT_FALSE(outcome.corrections);
    EXPECT_EQ(WarningTexts(outcome.warnings), Warnings{c.warning});
  }
}

TEST(Calculate, NearlySingularSystemShowsLargeMasses) {
  // Run 3 repeats run 2 but for one amplitude, a part in a million off.
  const CalculationOutcome outcome =
      CalculateWith({{"EditV13", u"4,000004"}, {"EditF13", u"79"}, {"EditV23", u"12,0"},
                     {"EditF23", u"292"}, {"EditV33", u"6,3"}, {"EditF33", u"396"}});
  EXPECT_EQ(WarningTexts(outcome.warnings), Warnings{});
  ASSERT_TRUE(outcome.corrections);
  EXPECT_GT(outcome.corrections->Mass[1], 1e6);
  EXPECT_GT(outcome.corrections->Mass[2], 1e6);
}

TEST(Calculate, DirectionlessEffectKeepsTheAngleOfTheLastCalculation) {
  CalculatorState state = Started();
  ASSERT_TRUE(Calculate(kDefaultTexts, u",", state).corrections);
  const double before = state.effects.vectors[0][0].Angle;
  Calculate(TextsWith({{"EditV11", u"7,2"}, {"EditF11", u"238"}}), u",", state);
  EXPECT_EQ(state.effects.vectors[0][0].Magnitude, 0.0);
  EXPECT_EQ(state.effects.vectors[0][0].Angle, before);
}

}  // namespace
}  // namespace balance3
