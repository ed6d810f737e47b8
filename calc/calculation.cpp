#include "calculation.h"

#include "format.h"
#include "solver.h"

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
      outcome.warnings.emplace_back(kSingularMessage);
      return outcome;
    case SolveStatus::OutOfRange:
      outcome.warnings.emplace_back(kOutOfRangeMessage);
      return outcome;
    case SolveStatus::Solved:
      break;
  }

  ResultTexts& labels = outcome.labels.emplace();
  for (int plane = 0; plane < kPlanes; ++plane) {
    labels[plane] = FormatResult(solved.result.Mass[plane], decimalSeparator);
    labels[kPlanes + plane] = FormatResult(solved.result.Angle[plane], decimalSeparator);
  }
  return outcome;
}

}  // namespace balance3
