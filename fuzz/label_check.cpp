#include "label_check.h"

namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

std::size_t Digits(std::u16string_view text, std::size_t i) {
  while (i < text.size() && IsDigit(text[i])) ++i;
  return i;
}

bool StartsWith(std::u16string_view text, std::size_t i, std::u16string_view part) {
  return text.substr(i, part.size()) == part;
}

bool IsFixed(std::u16string_view label, std::u16string_view separator) {
  const std::size_t end = Digits(label, 0);
  if (end == 0 || !StartsWith(label, end, separator)) return false;
  const std::size_t frac = end + separator.size();
  return Digits(label, frac) == label.size() && label.size() - frac == 2;
}

bool IsGeneral(std::u16string_view label, std::u16string_view separator) {
  if (label.empty() || !IsDigit(label[0]) || label[0] == u'0') return false;
  std::size_t i = 1;
  if (StartsWith(label, i, separator)) {
    const std::size_t end = Digits(label, i + separator.size());
    if (end == i + separator.size()) return false;
    i = end;
  }
  if (i >= label.size() || label[i] != u'E') return false;
  const std::size_t exponent = Digits(label, i + 1);
  return exponent > i + 1 && exponent == label.size();
}

}  // namespace

bool IsResultLabel(std::u16string_view label, std::u16string_view separator) {
  return IsFixed(label, separator) || IsGeneral(label, separator);
}
