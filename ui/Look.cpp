#include "Look.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

namespace balance3 {

void SetColours(QWidget* widget, const palette::Colours& colours) {
  widget->setAutoFillBackground(true);
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, colours.background);
  palette.setColor(QPalette::WindowText, colours.text);
  widget->setPalette(palette);
}

QStyle* DesignStyle() {
  // Qt's own style, always built into Qt; the application deletes it last.
  static QStyle* const style = [] {
    QStyle* fusion = QStyleFactory::create("Fusion");
    fusion->setParent(qApp);
    return fusion;
  }();
  return style;
}

}  // namespace balance3
