#pragma once

#include "Fonts.h"
#include "Palette.h"

class QStyle;
class QWidget;

namespace balance3 {

// Paints the widget's own background and its text (and its children's, unless
// they have their own) in the colours of one role.
void SetColours(QWidget* widget, const palette::Colours& colours);

// The style that draws what keeps the design's own look whatever style the
// desktop sets: the bands' frames and titles, titles at the left above the
// plane tags. A desktop style may put them elsewhere (KDE's Breeze centres a
// title, over a tag). One instance for the application's lifetime.
QStyle* DesignStyle();

}  // namespace balance3
