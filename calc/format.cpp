#include "format.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace balance3 {
namespace {

constexpr double kGeneralFrom = 1e18;
constexpr int kJudgedDigits = 18;
constexpr int kGeneralDigits = 15;

// Scientific digits of |value|: `digits` significant digits without the point,
// and the decimal exponent of the first one.
struct Scientific {
  char digits[kJudgedDigits + 1] = {};
  int count = 0;
  int exponent = 0;
};

Scientific ToScientific(double magnitude, int significant) {
  char buffer[48];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                 std::chars_format::scientific, significant - 1)
                       .ptr;
  Scientific s;
  const char* p = buffer;
  for (; p != end && *p != 'e'; ++p) {
    if (*p != '.') s.digits[s.count++] = *p;
  }
  std::from_chars(p + 1 + (p[1] == '+'), end, s.exponent);
  return s;
}

void AppendAscii(std::u16string& out, const char* begin, const char* end) {
  for (const char* p = begin; p != end; ++p) out.push_back(char16_t(*p));
}

std::u16string FormatGeneral(double value, std::u16string_view separator) {
  const Scientific s = ToScientific(std::fabs(value), kGeneralDigits);
  int last = s.count;
  while (last > 1 && s.digits[last - 1] == '0') --last;

  std::u16string out;
  if (value < 0) out.push_back(u'-');
  out.push_back(char16_t(s.digits[0]));
  if (last > 1) {
    out.append(separator);
    AppendAscii(out, s.digits + 1, s.digits + last);
  }
  char exponent[8];
  const auto end = std::to_chars(exponent, exponent + sizeof exponent, s.exponent).ptr;
  out.push_back(u'E');
  AppendAscii(out, exponent, end);
  return out;
}

}  // namespace

std::u16string FormatResult(double value, std::u16string_view decimalSeparator) {
  // The calculation never hands over anything but a finite number, yet a
  // label must not show garbage whatever it is given: infinity and NaN are
  // written as the largest double, which no real result comes near.
  if (!std::isfinite(value)) {
    constexpr double kLargest = std::numeric_limits<double>::max();
    value = std::isnan(value) ? kLargest : std::copysign(kLargest, value);
  }
  if (!(std::fabs(value) < kGeneralFrom)) {
    return FormatGeneral(value, decimalSeparator);
  }

  // Hundredths as a digit string: the 18 judged digits cut after the
  // hundredths place (padded with zeros when they end before it), rounded up
  // when the first digit cut off is 5 or more.
  const Scientific s = ToScientific(std::fabs(value), kJudgedDigits);
  const int kept = s.exponent + 3;  // digits down to the hundredths place
  char hundredths[kJudgedDigits + 4] = {};
  int count = 0;
  for (int i = 0; i < kept; ++i) {
    hundredths[count++] = i < s.count ? s.digits[i] : '0';
  }
  if (kept >= 0 && kept < s.count && s.digits[kept] >= '5') {
    int i = count - 1;
    for (; i >= 0 && hundredths[i] == '9'; --i) hundredths[i] = '0';
    if (i >= 0) {
      ++hundredths[i];
    } else {
      for (int j = count; j > 0; --j) hundredths[j] = hundredths[j - 1];
      hundredths[0] = '1';
      ++count;
    }
  }

  // At least three digits: one before the separator and two after it.
  char text[kJudgedDigits + 4];
  const int pad = count < 3 ? 3 - count : 0;
  for (int i = 0; i < pad; ++i) text[i] = '0';
  for (int i = 0; i < count; ++i) text[pad + i] = hundredths[i];
  const int length = pad + count;

  bool zero = true;
  for (int i = 0; i < length; ++i) zero = zero && text[i] == '0';

  std::u16string out;
  if (value < 0 && !zero) out.push_back(u'-');  // never "-0.00"
  AppendAscii(out, text, text + length - 2);
  out.append(decimalSeparator);
  AppendAscii(out, text + length - 2, text + length);
  return out;
}

ResultTexts FormatResults(const CorrectionResult& result,
                          std::u16string_view decimalSeparator) {
  ResultTexts texts;
  for (int plane = 0; plane < kPlanes; ++plane) {
    texts[plane] = FormatResult(result.Mass[plane], decimalSeparator);
    texts[kPlanes + plane] = FormatResult(result.Angle[plane], decimalSeparator);
  }
  return texts;
}

}  // namespace balance3
