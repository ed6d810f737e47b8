// Any text: the reader must answer without crashing, and what it accepts
// must be a finite number that reads back the same from its own digits.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "number_reader.h"

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
  if (value && !std::isfinite(*value)) std::abort();
  return 0;
}
