#include "worked_example.h"

#include <cmath>
#include <stdexcept>
#include <string>

#include "calculation.h"
#include "format.h"
#include "messages.h"

namespace balance3::help {

namespace {

double Read(int sensor, int run, Quantity quantity) {
  const std::u16string_view text = kDefaultTexts[FieldIndex({sensor, run, quantity})];
  return QString::fromStdU16String(std::u16string(text)).replace(',', '.').toDouble();
}

std::u16string Typed(double value, int decimals) {
  return QString::number(value, 'f', decimals).replace('.', ',').toStdU16String();
}

// One press of F9, as the main window makes it once shown: masses in percent.
// The page writes its readings with a comma, as the default ones are written.
Corrections PressF9(const FieldTexts& texts) {
  CalculatorState state;
  SetTrialReferences(state, 100.0);
  const CalculationOutcome outcome = Calculate(texts, u",", state);
  if (!outcome.corrections) {
    throw std::runtime_error("the readings give no correction: " +
                             WarningText(outcome.warnings.front()));
  }
  Corrections corrections;
  for (int plane = 0; plane < kPlanes; ++plane) {
    corrections[plane] = {outcome.corrections->Mass[plane], outcome.corrections->Angle[plane]};
  }
  return corrections;
}

}  // namespace

Readings ExampleReadings() {
  Readings readings;
  for (int sensor = 0; sensor < kPlanes; ++sensor) {
    for (int run = 0; run < kRuns; ++run) {
      readings[sensor][run] = {Read(sensor, run, Quantity::Amplitude),
                               Read(sensor, run, Quantity::Phase)};
    }
  }
  return readings;
}

Reading AsRead(const Reading& reading) {
  const double phase = std::fmod(std::round(reading.angle), 360.0);
  return {std::round(reading.mass * 100.0) / 100.0, phase < 0 ? phase + 360.0 : phase};
}

Corrections Calculated(const Readings& readings) {
  std::array<std::u16string, kFieldCount> typed;
  FieldTexts texts;
  for (int index = 0; index < kFieldCount; ++index) {
    const FieldPlace place = FieldAt(index);
    const Reading& reading = readings[place.plane][place.run];
    typed[index] = place.quantity == Quantity::Amplitude ? Typed(reading.mass, 2)
                                                          : Typed(reading.angle, 0);
    texts[index] = typed[index];
  }
  return PressF9(texts);
}

// The one place the page reads the calculation as the window starts: a press
// of F9 on the readings it starts with, typed as they are.
Corrections WorkedExample() { return PressF9(kDefaultTexts); }

QString AsShown(double value) {
  return QString::fromStdU16String(FormatResult(value, u","));
}

}  // namespace balance3::help
