#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "measurement.h"
#include "test_texts.h"

namespace balance3 {
namespace {

using testing::Overrides;
using testing::TextsWith;
using testing::WarningTexts;
using Warnings = std::vector<std::string>;

struct ScanCase {
  const char* name;
  Overrides overrides;
  Warnings warnings;
};

const ScanCase kScanCases[] = {
    {"defaults are accepted", {}, {}},
    {"negative zero is not negative", {{"EditV20", u"-0"}}, {}},
    {"empty first field stops at once",
     {{"EditV10", u""}, {"EditF10", u""}, {"EditV21", u"-1"}},
     {"Incorrect value Vo1, Run#0"}},
    {"go-on row then a negative one",
     {{"EditV21", u""}, {"EditV30", u"-3"}},
     {"Incorrect value Vo2, Run#1", "Incorrect value Vo3, Run#0 !!!"}},
    {"negative phase goes on to the next field, which stops",
     {{"EditF12", u"-1"}, {"EditV13", u"x"}, {"EditV20", u"-1"}},
     {"Incorrect value Fo1, Run#2 !!!", "Incorrect value Vo1, Run#3"}},
    {"every go-on row in order",
     {{"EditV21", u""}, {"EditV22", u"a"}, {"EditV23", u"."}, {"EditV30", u"-"},
      {"EditV31", u"1 1"}, {"EditV32", u"e"}, {"EditV33", u"++"}, {"EditF33", u""}},
     {"Incorrect value Vo2, Run#1", "Incorrect value Vo2, Run#2",
      "Incorrect value Vo2, Run#3", "Incorrect value Vo3, Run#0",
      "Incorrect value Vo3, Run#1", "Incorrect value Vo3, Run#2",
      "Incorrect value Vo3, Run#3", "Incorrect value Fo3, Run#3"}},
    {"phase after a go-on row stops",
     {{"EditV21", u""}, {"EditF21", u"?"}, {"EditV22", u"-2"}},
     {"Incorrect value Vo2, Run#1", "Incorrect value Fo2, Run#1"}},
    {"negatives everywhere are all reported",
     {{"EditV10", u"-1"}, {"EditF11", u"-2"}, {"EditF33", u"-3"}},
     {"Incorrect value Vo1, Run#0 !!!", "Incorrect value Fo1, Run#1 !!!",
      "Incorrect value Fo3, Run#3 !!!"}},
};

TEST(ReadMeasurements, ReportsBadFieldsInTableOrder) {
  for (const ScanCase& c : kScanCases) {
    SCOPED_TRACE(c.name);
    MeasurementSet set;
    EXPECT_EQ(WarningTexts(ReadMeasurements(TextsWith(c.overrides), u",", set)), c.warnings);
  }
}

// Each field's row of the stop rule: the field unreadable, the next one
// negative, which only a scan that goes on reports. The last field has no
// next one, and there stopping and going on are alike.
TEST(ReadMeasurements, EachUnreadableFieldStopsOrGoesOnAsItsRowSays) {
  const struct {
    const char* field;
    bool stops;
  } kRows[] = {
      {"EditV10", true},  {"EditF10", true},  {"EditV11", true},  {"EditF11", true},
      {"EditV12", true},  {"EditF12", true},  {"EditV13", true},  {"EditF13", true},
      {"EditV20", true},  {"EditF20", true},  {"EditV21", false}, {"EditF21", true},
      {"EditV22", false}, {"EditF22", true},  {"EditV23", false}, {"EditF23", true},
      {"EditV30", false}, {"EditF30", true},  {"EditV31", false}, {"EditF31", true},
      {"EditV32", false}, {"EditF32", true},  {"EditV33", false},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.field);
    const int field = testing::FieldNamed(row.field);
    FieldTexts texts = TextsWith({{row.field, u""}});
    texts[field + 1] = u"-1";
    std::vector<Warning> expected = {{WarningKind::Unreadable, FieldAt(field)}};
    if (!row.stops) expected.push_back({WarningKind::Negative, FieldAt(field + 1)});
    MeasurementSet set;
    EXPECT_EQ(WarningTexts(ReadMeasurements(texts, u",", set)), WarningTexts(expected));
  }
}

TEST(ReadMeasurements, DefaultsNeedACommaLocale) {
  MeasurementSet set;
  EXPECT_EQ(WarningTexts(ReadMeasurements(kDefaultTexts, u".", set)),
            Warnings{"Incorrect value Vo1, Run#0"});
}

TEST(ReadMeasurements, StoresValuesWithPhasesInRadians) {
  MeasurementSet set;
  ReadMeasurements(TextsWith({{"EditF10", u"720"}, {"EditV30", u"-3,5"}}), u",", set);
  EXPECT_EQ(set.F[0][0], 12.566370614359172);  // 4 pi
  EXPECT_EQ(set.F[2][2], 6.911503837897545);   // 396 degrees, unreduced
  EXPECT_EQ(set.V[1][0], 13.5);
  EXPECT_EQ(set.V[2][0], -3.5) << "a negative value stays in the set";
}

}  // namespace
}  // namespace balance3
