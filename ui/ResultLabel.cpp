#include "ResultLabel.h"

namespace balance3 {

ResultLabel::ResultLabel(const QString& what, const QString& text, QWidget* parent)
    : QLabel(parent), what_(what) {
  showResult(text);
}

void ResultLabel::showResult(const QString& text) {
  setText(text);
  // Setting the name also sends the name-change event by which a screen
  // reader hears of the new value.
  setAccessibleName(QString("%1: %2").arg(what_, text));
}

}  // namespace balance3
