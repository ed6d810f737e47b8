#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "effects.h"
#include "measurement.h"
#include "solver.h"

namespace balance3 {

// What one calculation leaves for the next. An effect whose difference has no
// direction keeps the angle of an earlier calculation, so this state lives
// beside the main window for the whole run.
struct CalculatorState {
  MeasurementSet measurements;
  EffectMatrix effects;
};

// The window does this each time it is shown; until then masses are zero.
void SetTrialReferences(CalculatorState& state, double reference);

struct CalculationOutcome {
  std::optional<CorrectionResult> corrections;  // none when anything was warned of
  std::vector<Warning> warnings;  // in the order the user must see them
};

// One press of Calculate, with the texts of the 24 fields in reading order.
// Without corrections the result labels keep what they showed.
CalculationOutcome Calculate(const FieldTexts& texts,
                             std::u16string_view decimalSeparator,
                             CalculatorState& state);

}  // namespace balance3
