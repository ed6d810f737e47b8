#include "calculation.h"

namespace balance3 {

void SetTrialReferences(CalculatorState& state, double reference) {
  for (double& ref : state.measurements.TrialRef) ref = reference;
}

CalculationOutcome Calculate(const FieldTexts& texts,
                             std::u16string_view decimalSeparator,
                             CalculatorState& state) {
  CalculationOutcome outcome;
  outcome.warnings = ReadMeasurements(texts, decimalSeparator, state.measurements);
  if (!outcome.warnings.empty()) return outcome;

  ComputeEffectMatrix(state.measurements, state.effects);
  const SolveOutcome solved = SolveCorrection(state.effects, state.measurements);
  switch (solved.status) {
    case SolveStatus::Singular:
      outcome.warnings.push_back({WarningKind::Singular});
      break;
    case SolveStatus::OutOfRange:
      outcome.warnings.push_back({WarningKind::OutOfRange});
      break;
    case SolveStatus::Solved:
      outcome.corrections = solved.result;
      break;
  }
  return outcome;
}

}  // namespace balance3
