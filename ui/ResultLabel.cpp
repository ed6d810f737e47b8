#include "ResultLabel.h"

#include <QFontMetrics>

namespace balance3 {

ResultLabel::ResultLabel(const QString& what, const QFont& designed, QWidget* parent)
    : QLabel(parent), what_(what), designed_(designed) {
  setFont(designed_);
}

void ResultLabel::showResult(const QString& text) {
  fit(text);
  setText(text);
  // Setting the name also sends the name-change event by which a screen
  // reader hears of the new value.
  setAccessibleName(QString("%1: %2").arg(what_, text));
}

void ResultLabel::fit(const QString& text) {
  const int room = contentsRect().width() - 2 * margin();
  QFont font = designed_;
  while (font.pixelSize() > 1 && QFontMetrics(font).horizontalAdvance(text) > room) {
    font.setPixelSize(font.pixelSize() - 1);
  }
  setFont(font);
  setToolTip(font.pixelSize() < designed_.pixelSize() ? text : QString());
}

}  // namespace balance3
