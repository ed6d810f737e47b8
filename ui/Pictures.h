#pragma once

#include <QSize>
#include <QWidget>

#include "Symbols.h"

namespace balance3 {

// A picture at its natural size, centred in the widget and cut off at its
// edges.
class PictureBox : public QWidget {
 public:
  PictureBox(Painter paint, QSize natural, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Painter paint_;
  QSize natural_;
};

// Gives `window` its painted icon when it is first shown. On X11 setting an
// icon paints it at four sizes, up to 128 pixels, for the window manager; the
// windows are created at start-up, and two of them stay hidden until asked
// for, when the icon is still set before the window manager sees the window.
void IconOnShowing(QWidget* window, Painter paint);

}  // namespace balance3
