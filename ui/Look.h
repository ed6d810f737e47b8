#pragma once

#include <QColor>
#include <QFont>

class QWidget;

namespace balance3 {

// The windows' fonts are Arial at character heights in pixels.
QFont Arial(int pixelSize, bool bold = false);

// Paints the widget's own background in `colour`.
void SetBackground(QWidget* widget, const QColor& colour);

// Places the window's frame in the middle of the primary screen's free area,
// its top-left corner inside that area when the window is larger.
void CenterOnScreen(QWidget* window);

}  // namespace balance3
