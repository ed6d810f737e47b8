#pragma once

#include <QFont>

#include "Palette.h"

class QWidget;

namespace balance3 {

// The windows' fonts are Arial at character heights in pixels.
QFont Arial(int pixelSize, bool bold = false);

// Paints the widget's own background and its text (and its children's, unless
// they have their own) in the colours of one role.
void SetColours(QWidget* widget, const palette::Colours& colours);

}  // namespace balance3
