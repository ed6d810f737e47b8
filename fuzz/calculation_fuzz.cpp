// Any 24 texts through the whole calculation: no crash, no hang, and every
// label text it writes is a number in the result format.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "calculation.h"
#include "format.h"
#include "messages.h"
#include "label_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::u16string_view separator = data[0] % 2 ? u"," : u".";

  // Fields are separated by newlines; missing ones stay empty.
  std::vector<std::u16string> fields(balance3::kFieldCount);
  std::size_t field = 0;
  for (std::size_t i = 1; i < size && field < fields.size(); ++i) {
    if (data[i] == '\n') {
      ++field;
    } else {
      fields[field].push_back(char16_t(data[i]));
    }
  }
  balance3::FieldTexts texts;
  for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = fields[i];

  // Two calculations in a row: the second may reuse angles kept from the first.
  balance3::CalculatorState state;
  balance3::SetTrialReferences(state, 100.0);
  for (int round = 0; round < 2; ++round) {
    const balance3::CalculationOutcome outcome = balance3::Calculate(texts, separator, state);
    // Corrections exactly when there is nothing to warn of.
    if (outcome.corrections.has_value() == !outcome.warnings.empty()) std::abort();
    for (const balance3::Warning& warning : outcome.warnings) {
      if (balance3::WarningText(warning).empty()) std::abort();
    }
    if (!outcome.corrections) continue;
    for (const std::u16string& label : balance3::FormatResults(*outcome.corrections, separator)) {
      if (!IsResultLabel(label, separator)) std::abort();
    }
  }
  return 0;
}
