#include "worked_example.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "effects.h"
#include "format.h"
#include "solver.h"

namespace balance3::help {

// The one place the page reads the calculation: the same three steps, in the
// same order, as a press of F9.
Corrections WorkedExample() {
  balance3::MeasurementSet set;
  // The default readings are written with a comma.
  const std::vector<std::string> warnings =
      balance3::ReadMeasurements(balance3::kDefaultTexts, u",", set);
  if (!warnings.empty()) {
    throw std::runtime_error("the default readings are refused: " + warnings.front());
  }

  // The main window sets the references when it is shown: masses in percent.
  for (double& reference : set.TrialRef) reference = 100.0;
  balance3::EffectMatrix effects;
  balance3::ComputeEffectMatrix(set, effects);
  const balance3::SolveOutcome outcome = balance3::SolveCorrection(effects, set);
  if (outcome.status != balance3::SolveStatus::Solved) {
    throw std::runtime_error("the default readings give no correction");
  }

  Corrections corrections;
  for (int plane = 0; plane < balance3::kPlanes; ++plane) {
    corrections[plane] = {outcome.result.Mass[plane], outcome.result.Angle[plane]};
  }
  return corrections;
}

QString AsShown(double value) {
  return QString::fromStdU16String(balance3::FormatResult(value, u","));
}

}  // namespace balance3::help
