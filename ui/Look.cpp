#include "Look.h"

#include <QPalette>
#include <QWidget>

namespace balance3 {

void SetColours(QWidget* widget, const palette::Colours& colours) {
  widget->setAutoFillBackground(true);
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, colours.background);
  palette.setColor(QPalette::WindowText, colours.text);
  widget->setPalette(palette);
}

}  // namespace balance3
