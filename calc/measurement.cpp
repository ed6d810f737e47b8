#include "measurement.h"

#include "number_reader.h"
#include "polar.h"

namespace balance3 {

namespace {

enum class OnUnreadable { Stop, GoOn };
constexpr auto Stop = OnUnreadable::Stop;
constexpr auto GoOn = OnUnreadable::GoOn;

// Which unreadable fields end the scan is a fixed property of each field, not
// a rule that could be derived, so it stands here field by field, in reading
// order: plane 1, plane 2, plane 3, each run 0 to 3, amplitude before phase.
constexpr OnUnreadable kOnUnreadable[kFieldCount] = {
    Stop, Stop, Stop, Stop, Stop, Stop, Stop, Stop,
    Stop, Stop, GoOn, Stop, GoOn, Stop, GoOn, Stop,
    GoOn, Stop, GoOn, Stop, GoOn, Stop, GoOn, GoOn,
};

}  // namespace

std::vector<Warning> ReadMeasurements(const FieldTexts& texts,
                                      std::u16string_view decimalSeparator,
                                      MeasurementSet& set) {
  std::vector<Warning> warnings;
  for (int i = 0; i < kFieldCount; ++i) {
    const FieldPlace place = FieldAt(i);
    const std::optional<double> read = ReadNumber(texts[i], decimalSeparator);
    if (!read) {
      warnings.push_back({WarningKind::Unreadable, place});
      if (kOnUnreadable[i] == OnUnreadable::Stop) return warnings;
      continue;
    }

    const bool phase = place.quantity == Quantity::Phase;
    double& slot = phase ? set.F[place.plane][place.run] : set.V[place.plane][place.run];
    // The phase in radians is stored as a double, rounded from the product
    // with the long double factor.
    slot = phase ? static_cast<double>(*read * kDegreesToRadians) : *read;

    // A negative value is reported but kept, and the scan goes on.
    if (!(slot >= 0.0)) warnings.push_back({WarningKind::Negative, place});
  }
  return warnings;
}

}  // namespace balance3
