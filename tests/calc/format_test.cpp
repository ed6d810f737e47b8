#include "format.h"

#include <gtest/gtest.h>

#include <limits>

namespace balance3 {
namespace {

struct FormatCase {
  double value;
  std::u16string separator;
  std::u16string expected;
};

const FormatCase kFormatCases[] = {
    {0.0, u".", u"0.00"},
    {0.125, u".", u"0.13"},         // an exact tie goes away from zero
    {0.135, u".", u"0.14"},         // stored just above the tie
    {0.285, u".", u"0.28"},         // stored below the tie: 18 digits see it
    {2.675, u".", u"2.67"},
    {1.005, u".", u"1.00"},
    {0.005, u".", u"0.01"},
    {0.004999, u".", u"0.00"},
    {0.0009, u".", u"0.00"},
    {1e-300, u".", u"0.00"},
    {9.999, u".", u"10.00"},
    {99.995000000001, u".", u"100.00"},
    {0.5, u".", u"0.50"},
    {7.125, u",", u"7,13"},
    {360.0, u",", u"360,00"},
    {123456.789, u".", u"123456.79"},  // no group separator
    {-2.5, u".", u"-2.50"},
    {-1e-14, u".", u"0.00"},          // a hair below zero is not "-0.00"
    {999999999999999872.0, u".", u"999999999999999872.00"},
    {1e18, u".", u"1E18"},
    {1.234567890123456789e20, u",", u"1,23456789012346E20"},
    {1.5e300, u".", u"1.5E300"},
    {7.25, u"<>", u"7<>25"},
    {std::numeric_limits<double>::quiet_NaN(), u".", u"1.79769313486232E308"},
    {-std::numeric_limits<double>::quiet_NaN(), u".", u"1.79769313486232E308"},
    {std::numeric_limits<double>::infinity(), u",", u"1,79769313486232E308"},
    {-std::numeric_limits<double>::infinity(), u".", u"-1.79769313486232E308"},
};

TEST(FormatResult, TwoDecimalsTiesAwayFromZero) {
  for (const FormatCase& c : kFormatCases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(FormatResult(c.value, c.separator), c.expected);
  }
}

}  // namespace
}  // namespace balance3
