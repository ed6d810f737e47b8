#pragma once

#include <array>
#include <initializer_list>
#include <string>
#include <utility>

#include "measurement.h"

namespace balance3::testing {

// The main window's default texts in reading order: a real balancing job
// whose results are known.
inline std::array<std::u16string, kFieldCount> DefaultTexts() {
  return {u"7,2", u"238", u"4,9", u"114", u"4,0", u"79",  u"8,2", u"123",
          u"13,5", u"296", u"9,2", u"347", u"12,0", u"292", u"9,7", u"231",
          u"3,5", u"128", u"2,7", u"251", u"6,3", u"396", u"9,5", u"43"};
}

using Overrides = std::initializer_list<std::pair<const char*, std::u16string>>;

// Default texts with some fields replaced, by field name.
inline std::array<std::u16string, kFieldCount> TextsWith(Overrides overrides) {
  auto texts = DefaultTexts();
  for (const auto& [name, text] : overrides) {
    for (std::size_t i = 0; i < kFields.size(); ++i) {
      if (std::string(kFields[i].name) == name) texts[i] = text;
    }
  }
  return texts;
}

inline FieldTexts Views(const std::array<std::u16string, kFieldCount>& texts) {
  FieldTexts views;
  for (std::size_t i = 0; i < texts.size(); ++i) views[i] = texts[i];
  return views;
}

}  // namespace balance3::testing
