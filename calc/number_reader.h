#pragma once

#include <optional>
#include <string_view>

namespace balance3 {

// Reads one field the way the engineer types it: optional spaces, an optional
// sign, digits with the locale's decimal separator, an optional exponent.
// Anything else (nan, inf, hex, group separators, the other separator) is
// refused, and so is a value beyond the range of a double.
std::optional<double> ReadNumber(std::u16string_view text,
                                 std::u16string_view decimalSeparator);

}  // namespace balance3
