#include "messages.h"

namespace balance3 {

std::string FieldWords(FieldPlace place) {
  std::string words = place.quantity == Quantity::Amplitude ? "Vo" : "Fo";
  words += char('1' + place.plane);
  words += ", Run#";
  words += char('0' + place.run);
  return words;
}

std::string WarningText(const Warning& warning) {
  if (warning.kind == WarningKind::Singular) return "Incorrect trial weight";
  if (warning.kind == WarningKind::OutOfRange) return "Values out of range";
  std::string text = "Incorrect value " + FieldWords(warning.place);
  // A negative value is told from an unreadable one by the exclamation marks.
  if (warning.kind == WarningKind::Negative) text += " !!!";
  return text;
}

}  // namespace balance3
