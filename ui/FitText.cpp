#include "FitText.h"

#include <QFontMetrics>
#include <QLabel>

void ShowFitted(QLabel* label, const QString& text, int pixelSize) {
  const int room = label->contentsRect().width() - 2 * label->margin();
  QFont font = label->font();
  font.setPixelSize(pixelSize);
  while (font.pixelSize() > 1 && QFontMetrics(font).horizontalAdvance(text) > room) {
    font.setPixelSize(font.pixelSize() - 1);
  }
  label->setFont(font);
  label->setToolTip(font.pixelSize() < pixelSize ? text : QString());
  label->setText(text);
}
