#include "measurement.h"

#include "number_reader.h"

namespace balance3 {

namespace {
constexpr auto Stop = OnUnreadable::Stop;
constexpr auto GoOn = OnUnreadable::GoOn;
constexpr long double kDegreesToRadians = 0.017453292519943295769L;
}  // namespace

// Which unreadable fields end the scan is a fixed property of each field, not
// a rule that could be derived, so it stands here row by row.
const std::array<FieldSpec, kFieldCount> kFields = {{
    {"EditV10", 0, 0, false, "Incorrect value Vo1, Run#0", Stop},
    {"EditF10", 0, 0, true, "Incorrect value Fo1, Run#0", Stop},
    {"EditV11", 0, 1, false, "Incorrect value Vo1, Run#1", Stop},
    {"EditF11", 0, 1, true, "Incorrect value Fo1, Run#1", Stop},
    {"EditV12", 0, 2, false, "Incorrect value Vo1, Run#2", Stop},
    {"EditF12", 0, 2, true, "Incorrect value Fo1, Run#2", Stop},
    {"EditV13", 0, 3, false, "Incorrect value Vo1, Run#3", Stop},
    {"EditF13", 0, 3, true, "Incorrect value Fo1, Run#3", Stop},
    {"EditV20", 1, 0, false, "Incorrect value Vo2, Run#0", Stop},
    {"EditF20", 1, 0, true, "Incorrect value Fo2, Run#0", Stop},
    {"EditV21", 1, 1, false, "Incorrect value Vo2, Run#1", GoOn},
    {"EditF21", 1, 1, true, "Incorrect value Fo2, Run#1", Stop},
    {"EditV22", 1, 2, false, "Incorrect value Vo2, Run#2", GoOn},
    {"EditF22", 1, 2, true, "Incorrect value Fo2, Run#2", Stop},
    {"EditV23", 1, 3, false, "Incorrect value Vo2, Run#3", GoOn},
    {"EditF23", 1, 3, true, "Incorrect value Fo2, Run#3", Stop},
    {"EditV30", 2, 0, false, "Incorrect value Vo3, Run#0", GoOn},
    {"EditF30", 2, 0, true, "Incorrect value Fo3, Run#0", Stop},
    {"EditV31", 2, 1, false, "Incorrect value Vo3, Run#1", GoOn},
    {"EditF31", 2, 1, true, "Incorrect value Fo3, Run#1", Stop},
    {"EditV32", 2, 2, false, "Incorrect value Vo3, Run#2", GoOn},
    {"EditF32", 2, 2, true, "Incorrect value Fo3, Run#2", Stop},
    {"EditV33", 2, 3, false, "Incorrect value Vo3, Run#3", GoOn},
    {"EditF33", 2, 3, true, "Incorrect value Fo3, Run#3", GoOn},
}};

bool ReadMeasurements(const FieldTexts& texts,
                      std::u16string_view decimalSeparator,
                      MeasurementSet& set, const WarningCallback& warn) {
  bool allValid = true;
  for (std::size_t i = 0; i < kFields.size(); ++i) {
    const FieldSpec& field = kFields[i];
    const std::optional<double> read = ReadNumber(texts[i], decimalSeparator);
    if (!read) {
      warn(field.unreadableMessage);
      if (field.onUnreadable == OnUnreadable::Stop) return false;
      allValid = false;
      continue;
    }

    double& slot = field.phase ? set.F[field.sensor][field.run]
                               : set.V[field.sensor][field.run];
    slot = field.phase ? static_cast<double>(*read * kDegreesToRadians) : *read;

    // A negative value is reported but kept, and the scan goes on.
    if (!(slot >= 0.0)) {
      allValid = false;
      warn(std::string(field.unreadableMessage) + " !!!");
    }
  }
  return allValid;
}

}  // namespace balance3
