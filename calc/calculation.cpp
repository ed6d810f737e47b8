#include "calculation.h"

#include "format.h"
#include "solver.h"

namespace balance3 {

const std::array<const char*, kResultCount> kResultLabels = {
    "LabelM1", "LabelM2", "LabelM3", "LabelF1", "LabelF2", "LabelF3"};

void Calculation::SetTrialReferences(double reference) {
  for (double& ref : set_.TrialRef) ref = reference;
}

std::optional<ResultTexts> Calculation::Calculate(
    const FieldTexts& texts, std::u16string_view decimalSeparator,
    const WarningCallback& warn) {
  if (!ReadMeasurements(texts, decimalSeparator, set_, warn)) {
    return std::nullopt;
  }
  ComputeEffectMatrix(set_, effects_);
  const SolveOutcome outcome = SolveCorrection(effects_, set_);
  switch (outcome.status) {
    case SolveStatus::Singular:
      warn(kSingularMessage);
      return std::nullopt;
    case SolveStatus::OutOfRange:
      warn(kOutOfRangeMessage);
      return std::nullopt;
    case SolveStatus::Solved:
      break;
  }

  ResultTexts labels;
  for (int k = 0; k < kPlanes; ++k) {
    labels[k] = FormatResult(outcome.result.Mass[k], decimalSeparator);
    labels[kPlanes + k] = FormatResult(outcome.result.Angle[k], decimalSeparator);
  }
  return labels;
}

}  // namespace balance3
