#pragma once

#include <string_view>
#include <vector>

#include "fields.h"
#include "warning.h"

namespace balance3 {

// The numbers of one balancing job. Phases are in radians.
struct MeasurementSet {
  double V[kPlanes][kRuns] = {};
  double F[kPlanes][kRuns] = {};
  double TrialRef[kPlanes] = {};
};

// Reads the fields into `set` and returns the warnings, in the order the user
// must see them; none when all 24 values were accepted.
std::vector<Warning> ReadMeasurements(const FieldTexts& texts,
                                      std::u16string_view decimalSeparator,
                                      MeasurementSet& set);

}  // namespace balance3
