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

}  // namespace balance3
