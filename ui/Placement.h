#pragma once

class QWidget;

namespace balance3 {

// Places the window's frame in the middle of the primary screen's free area,
// its top-left corner inside that area when the window is larger.
void CenterOnScreen(QWidget* window);

}  // namespace balance3
