#pragma once

#include <QColor>
#include <QFont>

class QWidget;

namespace balance3 {

// The windows' fonts are Arial at character heights in pixels.
QFont Arial(int pixelSize, bool bold = false);

// Paints the widget's own background in `colour`.
void SetBackground(QWidget* widget, const QColor& colour);

}  // namespace balance3
