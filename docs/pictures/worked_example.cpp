#include "worked_example.h"

#include <stdexcept>

#include "calculation.h"
#include "format.h"
#include "messages.h"

namespace balance3::help {

// The one place the page reads the calculation: a press of F9 on the
// readings the window starts with.
Corrections WorkedExample() {
  CalculatorState state;
  // As the main window does when it is shown: masses in percent.
  SetTrialReferences(state, 100.0);
  // The default readings are written with a comma.
  const CalculationOutcome outcome = Calculate(kDefaultTexts, u",", state);
  if (!outcome.corrections) {
    throw std::runtime_error("the default readings give no correction: " +
                             WarningText(outcome.warnings.front()));
  }

  Corrections corrections;
  for (int plane = 0; plane < kPlanes; ++plane) {
    corrections[plane] = {outcome.corrections->Mass[plane], outcome.corrections->Angle[plane]};
  }
  return corrections;
}

QString AsShown(double value) {
  return QString::fromStdU16String(FormatResult(value, u","));
}

}  // namespace balance3::help
