#pragma once

#include "Fonts.h"
#include "Palette.h"

class QWidget;

namespace balance3 {

// Paints the widget's own background and its text (and its children's, unless
// they have their own) in the colours of one role.
void SetColours(QWidget* widget, const palette::Colours& colours);

}  // namespace balance3
