#pragma once

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "measurement.h"
#include "messages.h"

namespace balance3::testing {

// A field by its name in the window ("EditV21", "EditF33"). A name that is no
// field throws, so a misspelt row fails instead of testing the defaults.
inline int FieldNamed(std::string_view name) {
  const bool known = name.size() == 7 && name.substr(0, 4) == "Edit" &&
                     (name[4] == 'V' || name[4] == 'F') && name[5] >= '1' &&
                     name[5] <= '3' && name[6] >= '0' && name[6] <= '3';
  if (!known) throw std::invalid_argument("no field is named " + std::string(name));
  const Quantity quantity = name[4] == 'V' ? Quantity::Amplitude : Quantity::Phase;
  return FieldIndex({name[5] - '1', name[6] - '0', quantity});
}

using Overrides = std::initializer_list<std::pair<const char*, std::u16string_view>>;

// The default texts with some fields replaced, by field name. The replacement
// texts must outlive the result: string literals do.
inline FieldTexts TextsWith(Overrides overrides) {
  FieldTexts texts = kDefaultTexts;
  for (const auto& [name, text] : overrides) texts[FieldNamed(name)] = text;
  return texts;
}

// What the warning dialog would say, one text per warning.
inline std::vector<std::string> WarningTexts(const std::vector<Warning>& warnings) {
  std::vector<std::string> texts;
  for (const Warning& warning : warnings) texts.push_back(WarningText(warning));
  return texts;
}

}  // namespace balance3::testing
