#pragma once

#include <QLineEdit>

namespace balance3 {

// A measurement field. Entered by Tab, Shift+Tab or a click it empties itself
// for the new reading; focus that merely comes back to the window (a dialog
// closed, the user returned from another program) leaves the text alone.
class FieldEdit : public QLineEdit {
  Q_OBJECT

 public:
  using QLineEdit::QLineEdit;

 protected:
  void focusInEvent(QFocusEvent* event) override;
};

}  // namespace balance3
