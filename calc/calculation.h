#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "effects.h"
#include "measurement.h"

namespace balance3 {

inline constexpr int kResultCount = 2 * kPlanes;

// Result label texts in the order they are written: the three masses, then
// the three angles.
using ResultTexts = std::array<std::u16string, kResultCount>;

inline constexpr const char* kSingularMessage = "Incorrect trial weight";
inline constexpr const char* kOutOfRangeMessage = "Values out of range";

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
  std::optional<ResultTexts> labels;  // none when anything was warned of
  std::vector<std::string> warnings;  // in the order the user must see them
};

// One press of Calculate, with the texts of the 24 fields in reading order.
// Without labels the result labels keep what they showed.
CalculationOutcome Calculate(const FieldTexts& texts,
                             std::u16string_view decimalSeparator,
                             CalculatorState& state);

}  // namespace balance3
