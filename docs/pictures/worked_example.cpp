#include "worked_example.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "calculation.h"
#include "format.h"
#include "solver.h"

namespace balance3::help {

// The one place the page reads the calculation: the same three steps, in the
// same order, as a press of F9.
Corrections WorkedExample() {
  CalculatorState state;
  // As the main window does when it is shown: masses in percent.
  SetTrialReferences(state, 100.0);
  // The default readings are written with a comma.
  const std::vector<std::string> warnings =
      ReadMeasurements(kDefaultTexts, u",", state.measurements);
  if (!warnings.empty()) {
    throw std::runtime_error("the default readings are refused: " + warnings.front());
  }
  ComputeEffectMatrix(state.measurements, state.effects);
  const SolveOutcome outcome = SolveCorrection(state.effects, state.measurements);
  if (outcome.status != SolveStatus::Solved) {
    throw std::runtime_error("the default readings give no correction");
  }

  Corrections corrections;
  for (int plane = 0; plane < kPlanes; ++plane) {
    corrections[plane] = {outcome.result.Mass[plane], outcome.result.Angle[plane]};
  }
  return corrections;
}

QString AsShown(double value) {
  return QString::fromStdU16String(FormatResult(value, u","));
}

}  // namespace balance3::help
