#include "number_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

namespace balance3 {
namespace {

struct ReadCase {
  const char* name;
  std::u16string text;
  std::u16string separator;
  std::optional<double> expected;
};

const ReadCase kReadCases[] = {
    {"comma default", u"7,2", u",", 7.2},
    {"integer", u"238", u",", 238.0},
    {"plus sign", u"+5", u",", 5.0},
    {"minus sign", u"-1", u",", -1.0},
    {"framed by spaces", u"  12,5   ", u",", 12.5},
    {"exponent", u"1e3", u",", 1000.0},
    {"exponent upper case signed", u"2,5E-2", u",", 0.025},
    {"exponent plus", u"1e+2", u",", 100.0},
    {"lone separator is zero", u",", u",", 0.0},
    {"separator then digits", u",5", u",", 0.5},
    {"digits then separator", u"5,", u",", 5.0},
    {"separator with exponent", u",e5", u",", 0.0},
    {"signed lone separator", u"-,", u",", -0.0},
    {"point locale", u"7.2", u".", 7.2},
    {"leading zeros", u"007,50", u",", 7.5},
    {"underflow reads as zero", u"1e-400", u".", 0.0},
    {"underflow with many integer digits", u"1000e-400", u".", 0.0},
    {"subnormal", u"5e-324", u".", 5e-324},
    {"largest double", u"1.7976931348623157e308", u".", 1.7976931348623157e308},
    {"small fraction, big exponent", u"0.0000001e310", u".", 1e303},
    {"two-char separator", u"1<>5", u"<>", 1.5},
    {"empty", u"", u",", std::nullopt},
    {"blank", u"   ", u",", std::nullopt},
    {"lone sign", u"-", u",", std::nullopt},
    {"sign then space", u"- 1", u",", std::nullopt},
    {"point under comma locale", u"7.2", u",", std::nullopt},
    {"comma under point locale", u"7,2", u".", std::nullopt},
    {"digits split by space", u"1 2", u",", std::nullopt},
    {"trailing letter", u"12a", u",", std::nullopt},
    {"two signs", u"+-1", u",", std::nullopt},
    {"two separators", u"1,2,3", u",", std::nullopt},
    {"exponent without digits", u"1e", u",", std::nullopt},
    {"exponent sign only", u"1e-", u",", std::nullopt},
    {"exponent alone", u"e5", u",", std::nullopt},
    {"nan", u"nan", u".", std::nullopt},
    {"inf", u"inf", u".", std::nullopt},
    {"infinity", u"-Infinity", u".", std::nullopt},
    {"hex", u"0x1A", u".", std::nullopt},
    {"group separator", u"1 000,5", u",", std::nullopt},
    {"group comma under point locale", u"1,000.5", u".", std::nullopt},
    {"tab is not a space", u"\t1", u",", std::nullopt},
    {"arabic-indic digit", u"\u0661", u",", std::nullopt},
    {"overflow", u"1e400", u",", std::nullopt},
    {"negative overflow", u"-1e400", u",", std::nullopt},
    {"overflow by digits", std::u16string(400, u'9'), u",", std::nullopt},
    {"huge exponent", u"1e99999999999999999999", u",", std::nullopt},
    {"zero with huge exponent", u"0e99999999999999999999", u",", 0.0},
    {"empty separator never matches", u",", u"", std::nullopt},
};

TEST(ReadNumber, FollowsTheFieldGrammar) {
  for (const ReadCase& c : kReadCases) {
    SCOPED_TRACE(c.name);
    const std::optional<double> got = ReadNumber(c.text, c.separator);
    EXPECT_EQ(got.has_value(), c.expected.has_value());
    if (got && c.expected) {
      EXPECT_EQ(*got, *c.expected);
      EXPECT_EQ(std::signbit(*got), std::signbit(*c.expected));
    }
  }
}

}  // namespace
}  // namespace balance3
