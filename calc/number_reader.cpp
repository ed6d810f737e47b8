#include "number_reader.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <string>

namespace balance3 {
namespace {

// A text that follows the grammar, taken apart.
struct Parts {
  bool negative = false;
  std::u16string_view intDigits;
  std::u16string_view fracDigits;
  long exponent = 0;  // saturated: far beyond any double either way
};

constexpr long kExponentSaturation = 1'000'000'000;

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

std::u16string_view TakeDigits(std::u16string_view text, std::size_t& i) {
  const std::size_t begin = i;
  while (i < text.size() && IsDigit(text[i])) ++i;
  return text.substr(begin, i - begin);
}

void SkipSpaces(std::u16string_view text, std::size_t& i) {
  while (i < text.size() && text[i] == u' ') ++i;
}

bool TakeSign(std::u16string_view text, std::size_t& i) {
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
    return text[i++] == u'-';
  }
  return false;
}

std::optional<Parts> Parse(std::u16string_view text,
                           std::u16string_view separator) {
  Parts parts;
  std::size_t i = 0;
  SkipSpaces(text, i);
  parts.negative = TakeSign(text, i);
  parts.intDigits = TakeDigits(text, i);

  const bool hasSeparator =
      !separator.empty() && text.substr(i, separator.size()) == separator;
  if (hasSeparator) {
    i += separator.size();
    parts.fracDigits = TakeDigits(text, i);
  }
  if (parts.intDigits.empty() && !hasSeparator) return std::nullopt;

  if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
    ++i;
    const bool negativeExponent = TakeSign(text, i);
    const std::u16string_view digits = TakeDigits(text, i);
    if (digits.empty()) return std::nullopt;
    for (char16_t c : digits) {
      parts.exponent = parts.exponent * 10 + (c - u'0');
      if (parts.exponent > kExponentSaturation) parts.exponent = kExponentSaturation;
    }
    if (negativeExponent) parts.exponent = -parts.exponent;
  }

  SkipSpaces(text, i);
  if (i != text.size()) return std::nullopt;
  return parts;
}

// Typed measurements have few digits: when the digits fit a double exactly
// and the power of ten does too, one multiplication or division is correctly
// rounded, and the general conversion is not needed.
std::optional<double> ConvertShort(const Parts& parts) {
  constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  // Every integer of this many decimal digits is exact in a double, so the
  // digit count alone keeps the mantissa exact.
  constexpr int kMaxDigits = std::numeric_limits<double>::digits10;
  if (parts.intDigits.size() + parts.fracDigits.size() > kMaxDigits) {
    return std::nullopt;
  }
  std::uint64_t mantissa = 0;
  for (char16_t c : parts.intDigits) mantissa = mantissa * 10 + (c - u'0');
  for (char16_t c : parts.fracDigits) mantissa = mantissa * 10 + (c - u'0');
  const long exponent = parts.exponent - static_cast<long>(parts.fracDigits.size());
  if (exponent < -22 || exponent > 22) return std::nullopt;
  double value = static_cast<double>(mantissa);
  value = exponent < 0 ? value / kPowers[-exponent] : value * kPowers[exponent];
  return parts.negative ? -value : value;
}

// from_chars reports underflow and overflow alike; a number too small for a
// double is simply zero, one too large is unreadable. Which of the two it was
// follows from the decimal exponent of the first significant digit: out of
// range means hundreds of decades away from 1, so its sign decides.
bool IsOverflow(const Parts& parts) {
  const std::size_t lead = parts.intDigits.find_first_not_of(u'0');
  long position;
  if (lead != std::u16string_view::npos) {
    position = static_cast<long>(parts.intDigits.size() - lead) - 1;
  } else {
    // Out of range is never reported for zero, so a fraction digit is nonzero.
    position = -static_cast<long>(parts.fracDigits.find_first_not_of(u'0')) - 1;
  }
  return position + parts.exponent > 0;
}

void AppendDigits(std::string& out, std::u16string_view digits) {
  for (char16_t c : digits) out.push_back(static_cast<char>(c));
}

std::optional<double> ConvertGeneral(const Parts& parts) {
  std::string normal;
  if (parts.negative) normal.push_back('-');
  normal.push_back('0');  // an empty run of digits stands for 0
  AppendDigits(normal, parts.intDigits);
  normal.push_back('.');
  AppendDigits(normal, parts.fracDigits);
  normal.push_back('e');
  normal += std::to_string(parts.exponent);

  double value = 0.0;
  const char* const end = normal.data() + normal.size();
  const auto [ptr, ec] = std::from_chars(normal.data(), end, value);
  if (ec == std::errc::result_out_of_range) {
    if (IsOverflow(parts)) return std::nullopt;
    return parts.negative ? -0.0 : 0.0;
  }
  if (ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

}  // namespace

std::optional<double> ReadNumber(std::u16string_view text,
                                 std::u16string_view decimalSeparator) {
  const std::optional<Parts> parts = Parse(text, decimalSeparator);
  if (!parts) return std::nullopt;
  if (const std::optional<double> value = ConvertShort(*parts)) return value;
  return ConvertGeneral(*parts);
}

}  // namespace balance3
