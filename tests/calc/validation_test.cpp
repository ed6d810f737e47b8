#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "default_fields.h"
#include "measurement.h"

namespace balance3 {
namespace {

using testing::Overrides;
using testing::TextsWith;
using testing::Views;

struct Scan {
  bool allValid;
  std::vector<std::string> warnings;
  MeasurementSet set;
};

Scan RunScan(Overrides overrides, std::u16string_view separator = u",") {
  Scan scan;
  const auto texts = TextsWith(overrides);
  scan.allValid = ReadMeasurements(
      Views(texts), separator, scan.set,
      [&](const std::string& message) { scan.warnings.push_back(message); });
  return scan;
}

struct ScanCase {
  const char* name;
  Overrides overrides;
  std::vector<std::string> warnings;
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
    const Scan scan = RunScan(c.overrides);
    EXPECT_EQ(scan.warnings, c.warnings);
    EXPECT_EQ(scan.allValid, c.warnings.empty());
  }
}

TEST(ReadMeasurements, EveryFieldZeroIsAccepted) {
  std::array<std::u16string, kFieldCount> texts;
  texts.fill(u"0");
  MeasurementSet set;
  std::vector<std::string> warnings;
  EXPECT_TRUE(ReadMeasurements(Views(texts), u",", set,
                               [&](const std::string& m) { warnings.push_back(m); }));
  EXPECT_TRUE(warnings.empty());
}

TEST(ReadMeasurements, DefaultsNeedACommaLocale) {
  std::vector<std::string> warnings;
  MeasurementSet set;
  const auto texts = testing::DefaultTexts();
  EXPECT_FALSE(ReadMeasurements(Views(texts), u".", set,
                                [&](const std::string& m) { warnings.push_back(m); }));
  EXPECT_EQ(warnings, std::vector<std::string>{"Incorrect value Vo1, Run#0"});
}

TEST(ReadMeasurements, StoresValuesWithPhasesInRadians) {
  const Scan scan = RunScan({{"EditF10", u"720"}, {"EditV30", u"-3,5"}});
  EXPECT_EQ(scan.set.F[0][0], 12.566370614359172);  // 4 pi
  EXPECT_EQ(scan.set.F[2][2], 6.911503837897545);   // 396 degrees, unreduced
  EXPECT_EQ(scan.set.V[1][0], 13.5);
  EXPECT_EQ(scan.set.V[2][0], -3.5) << "a negative value stays in the set";
}

}  // namespace
}  // namespace balance3
