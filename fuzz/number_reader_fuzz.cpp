// Any text: the reader must answer without crashing, and what it accepts
// must be a finite number that reads back the same from its own digits.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "number_reader.h"

namespace {

// The shortest digits that name `value` exactly, written as a field would
// hold them: a correctly rounding reader must give back the very same double,
// the sign of zero included.
void ReadsBackTheSame(double value, std::u16string_view separator) {
  char digits[64];
  const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value);
  if (ec != std::errc()) std::abort();
  std::u16string text;
  for (const char* c = digits; c != end; ++c) {
    if (*c == '.') {
      text += separator;
    } else {
      text.push_back(char16_t(*c));
    }
  }
  const std::optional<double> again = balance3::ReadNumber(text, separator);
  if (!again || std::memcmp(&*again, &value, sizeof value) != 0) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // First byte picks the separator; the rest are UTF-16 code units in pairs,
  // with single bytes widened so that ASCII-heavy inputs stay likely.
  const std::u16string_view separator = data[0] % 2 ? u"," : u".";
  std::u16string text;
  for (std::size_t i = 1; i < size; ++i) {
    if (data[i] == 0xFF && i + 2 < size) {
      text.push_back(char16_t(data[i + 1] | data[i + 2] << 8));
      i += 2;
    } else {
      text.push_back(char16_t(data[i]));
    }
  }
  const std::optional<double> value = balance3::ReadNumber(text, separator);
  if (!value) return 0;
  if (!std::isfinite(*value)) std::abort();
  ReadsBackTheSame(*value, separator);
  return 0;
}
