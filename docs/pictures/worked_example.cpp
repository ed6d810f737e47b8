#include "worked_example.h"

#include <stdexcept>
#include <string>

#include "default_fields.h"
#include "effects.h"
#include "format.h"
#include "solver.h"

namespace help {

// The one place the page reads the calculation: the same three steps, in the
// same order, as a press of F9.
Corrections WorkedExample() {
  const auto texts = balance3::testing::DefaultTexts();
  balance3::MeasurementSet set;
  std::string warning;
  // The default readings are written with a comma.
  const bool accepted = balance3::ReadMeasurements(
      balance3::testing::Views(texts), u",", set,
      [&warning](const std::string& message) { warning += message + "; "; });
  if (!accepted) throw std::runtime_error("the default readings are refused: " + warning);

  // The main window sets the references when it is shown: masses in percent.
  for (double& reference : set.TrialRef) reference = 100.0;
  balance3::EffectMatrix effects;
  balance3::ComputeEffectMatrix(set, effects);
  const balance3::SolveOutcome outcome = balance3::SolveCorrection(effects, set);
  if (outcome.status != balance3::SolveStatus::Solved) {
    throw std::runtime_error("the default readings give no correction");
  }

  Corrections corrections;
  for (int k = 0; k < balance3::kPlanes; ++k) {
    corrections[k] = {outcome.result.Mass[k], outcome.result.Angle[k]};
  }
  return corrections;
}

QString AsShown(double value) {
  return QString::fromStdU16String(balance3::FormatResult(value, u","));
}

}  // namespace help
