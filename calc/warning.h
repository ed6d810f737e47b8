#pragma once

#include "fields.h"

namespace balance3 {

// What a calculation warns of, as a value: the window words it (messages.h)
// and shows it.
enum class WarningKind {
  Unreadable,  // a field's text is no number
  Negative,    // a field holds a negative number
  Singular,    // the trial runs leave the system without a solution
  OutOfRange,  // a product leaves the range of a double
};

struct Warning {
  WarningKind kind;
  FieldPlace place{};  // the field warned of; only for Unreadable and Negative
};

}  // namespace balance3
