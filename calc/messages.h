#pragma once

#include <string>

#include "warning.h"

namespace balance3 {

// How the warnings name a field, "Vo1, Run#0": the quantity with the plane,
// then the run.
std::string FieldWords(FieldPlace place);

// What the warning dialog says of `warning`.
std::string WarningText(const Warning& warning);

}  // namespace balance3
