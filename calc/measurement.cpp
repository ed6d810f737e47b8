#include "measurement.h"

#include "number_reader.h"
#include "polar.h"

namespace balance3 {

namespace {
constexpr auto Stop = OnUnreadable::Stop;
constexpr auto GoOn = OnUnreadable::GoOn;
}  // namespace

// Which unreadable fields end the scan is a fixed property of each field, not
// a rule that could be derived, so it stands here row by row.
const std::array<FieldSpec, kFieldCount> kFields = {{
    {"Incorrect value Vo1, Run#0", Stop},
    {"Incorrect value Fo1, Run#0", Stop},
    {"Incorrect value Vo1, Run#1", Stop},
    {"Incorrect value Fo1, Run#1", Stop},
    {"Incorrect value Vo1, Run#2", Stop},
    {"Incorrect value Fo1, Run#2", Stop},
    {"Incorrect value Vo1, Run#3", Stop},
    {"Incorrect value Fo1, Run#3", Stop},
    {"Incorrect value Vo2, Run#0", Stop},
    {"Incorrect value Fo2, Run#0", Stop},
    {"Incorrect value Vo2, Run#1", GoOn},
    {"Incorrect value Fo2, Run#1", Stop},
    {"Incorrect value Vo2, Run#2", GoOn},
    {"Incorrect value Fo2, Run#2", Stop},
    {"Incorrect value Vo2, Run#3", GoOn},
    {"Incorrect value Fo2, Run#3", Stop},
    {"Incorrect value Vo3, Run#0", GoOn},
    {"Incorrect value Fo3, Run#0", Stop},
    {"Incorrect value Vo3, Run#1", GoOn},
    {"Incorrect value Fo3, Run#1", Stop},
    {"Incorrect value Vo3, Run#2", GoOn},
    {"Incorrect value Fo3, Run#2", Stop},
    {"Incorrect value Vo3, Run#3", GoOn},
    {"Incorrect value Fo3, Run#3", GoOn},
}};

std::vector<std::string> ReadMeasurements(const FieldTexts& texts,
                                          std::u16string_view decimalSeparator,
                                          MeasurementSet& set) {
  std::vector<std::string> warnings;
  for (std::size_t i = 0; i < kFields.size(); ++i) {
    const FieldSpec& field = kFields[i];
    const FieldPlace place = FieldAt(static_cast<int>(i));
    const std::optional<double> read = ReadNumber(texts[i], decimalSeparator);
    if (!read) {
      warnings.emplace_back(field.unreadableMessage);
      if (field.onUnreadable == OnUnreadable::Stop) return warnings;
      continue;
    }

    const bool phase = place.quantity == Quantity::Phase;
    double& slot = phase ? set.F[place.plane][place.run] : set.V[place.plane][place.run];
    slot = phase ? static_cast<double>(*read * kDegreesToRadians) : *read;

    // A negative value is reported but kept, and the scan goes on.
    if (!(slot >= 0.0)) warnings.push_back(std::string(field.unreadableMessage) + " !!!");
  }
  return warnings;
}

}  // namespace balance3
