#include "KeyPreview.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QWidget>

namespace balance3 {

QKeyEvent* PreviewedKey(const QWidget* window, QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) {
    return nullptr;
  }
  const auto* widget = qobject_cast<const QWidget*>(watched);
  if (!widget || widget->window() != window) return nullptr;
  return static_cast<QKeyEvent*>(event);
}

bool HandleSharedKeys(QObject* watched, QKeyEvent* key) {
  if (key->type() == QEvent::KeyRelease) return true;
  auto* button = qobject_cast<QAbstractButton*>(watched);
  if (!button) return false;
  switch (key->key()) {
    case Qt::Key_Space:
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (!key->isAutoRepeat()) button->click();
      return true;
    default:
      return false;
  }
}

}  // namespace balance3
