#include "ResultLabel.h"

#include <QAccessible>

namespace balance3 {

ResultLabel::ResultLabel(const QString& what, const QString& text, QWidget* parent)
    : QLabel(parent), what_(what) {
  showResult(text);
}

void ResultLabel::showResult(const QString& text) {
  setText(text);
  setAccessibleName(QString("%1: %2").arg(what_, text));
  // Qt 6.4 does not tell assistive technology of a new accessible name by
  // itself; the event lets a screen reader announce the new value.
  QAccessibleEvent changed(this, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&changed);
}

}  // namespace balance3
