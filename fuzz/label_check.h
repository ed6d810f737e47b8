#pragma once

#include <string_view>

// True when `label` is a result as the calculator writes it: "0.00" with the
// given separator, or from 1e18 on the general form ("1.5E18"). Masses and
// angles are never negative, so neither is a label.
bool IsResultLabel(std::u16string_view label, std::u16string_view separator);
