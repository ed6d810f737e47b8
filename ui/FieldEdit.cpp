#include "FieldEdit.h"

#include <QFocusEvent>

namespace balance3 {

void FieldEdit::focusInEvent(QFocusEvent* event) {
  switch (event->reason()) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::MouseFocusReason:
      clear();
      break;
    default:
      break;
  }
  QLineEdit::focusInEvent(event);
}

}  // namespace balance3
