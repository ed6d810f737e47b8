#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "effects.h"
#include "measurement.h"

namespace balance3 {

inline constexpr int kResultCount = 2 * kPlanes;

// Result label texts in the order they are written: the three masses, then
// the three angles.
using ResultTexts = std::array<std::u16string, kResultCount>;
extern const std::array<const char*, kResultCount> kResultLabels;

inline constexpr const char* kSingularMessage = "Incorrect trial weight";
inline constexpr const char* kOutOfRangeMessage = "Values out of range";

// The calculation state that lives beside the main window for the whole run:
// an element of the effect matrix whose difference has no direction keeps the
// angle of an earlier calculation, so the state must persist between calls.
class Calculation {
 public:
  // The window does this each time it is shown; until then masses are zero.
  void SetTrialReferences(double reference);

  // One press of Calculate. Texts come in the order of kFields. Returns the
  // six label texts, or nothing when a warning was shown instead (the labels
  // then keep what they showed).
  std::optional<ResultTexts> Calculate(const FieldTexts& texts,
                                       std::u16string_view decimalSeparator,
                                       const WarningCallback& warn);

  const MeasurementSet& measurements() const { return set_; }
  const EffectMatrix& effects() const { return effects_; }

 private:
  MeasurementSet set_;
  EffectMatrix effects_;
};

}  // namespace balance3
