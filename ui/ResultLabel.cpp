#include "ResultLabel.h"

#include <QFontInfo>
#include <QFontMetrics>

namespace balance3 {

ResultLabel::ResultLabel(const QString& what, const QFont& designed, QWidget* parent)
    : QLabel(parent), what_(what), designed_(designed) {
  setFont(designed_);
}

void ResultLabel::showResult(const QString& text) {
  setText(text);
  fit();
  // Setting the name also sends the name-change event by which a screen
  // reader hears of the new value.
  setAccessibleName(QString("%1: %2").arg(what_, text));
}

void ResultLabel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  fit();
}

void ResultLabel::fit() {
  const int room = contentsRect().width() - 2 * margin();
  QFont font = designed_;
  // Smaller sizes are counted in pixels, whatever unit the designed font
  // has, so that a point-sized font shrinks in the same steps.
  for (int size = QFontInfo(designed_).pixelSize();
       size > 1 && QFontMetrics(font).horizontalAdvance(text()) > room;) {
    font.setPixelSize(--size);
  }
  setFont(font);
  setToolTip(font == designed_ ? QString() : text());
}

}  // namespace balance3
