#pragma once

class QWidget;

namespace balance3 {

// Places the window's frame in the middle of the primary screen's free area,
// its top-left corner inside that area when the window is larger.
void CenterOnScreen(QWidget* window);

// Moves the window, where its frame sticks out of the primary screen's free
// area, back inside it; a window larger than the area keeps its top-left
// corner inside.
void KeepOnScreen(QWidget* window);

// Shrinks the window, where it is larger, so that it fits the primary
// screen's free area with its frame. Its place is left alone.
void FitOnScreen(QWidget* window);

}  // namespace balance3
