#pragma once

#include <array>
#include <string>
#include <string_view>

#include "solver.h"

namespace balance3 {

// Writes a result as "0.00" with the locale's decimal separator: two
// decimals, ties away from zero as judged on the value's first 18 significant
// digits, no group separator. From 1e18 on, 15 significant digits in general
// form ("1.23456789012346E18") keep the label readable. Infinity and NaN,
// which the calculation never passes, come out as the largest double.
std::u16string FormatResult(double value, std::u16string_view decimalSeparator);

// Result label texts in the order they are written: the three masses, then
// the three angles.
using ResultTexts = std::array<std::u16string, kResultCount>;

ResultTexts FormatResults(const CorrectionResult& result,
                          std::u16string_view decimalSeparator);

}  // namespace balance3
