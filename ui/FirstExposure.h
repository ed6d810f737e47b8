#pragma once

#include <functional>

class QWidget;

namespace balance3 {

// Runs `then` once, after `window` has first been painted on the screen, so
// that work which can wait holds back nothing of the window's first picture.
void AfterFirstExposure(QWidget* window, std::function<void()> then);

}  // namespace balance3
