#pragma once

#include <QFocusFrame>

namespace balance3 {

// A dashed ring just inside a control, shown while the control has the
// keyboard focus. The style draws no focus on a button until a key has moved
// the focus, so none at start, and none ever on the frameless strip;
// keyboard users must see where they are. Unfocused controls look as before.
// A focus frame, so that assistive technology does not list it among the
// control's children.
class FocusMark : public QFocusFrame {
  Q_OBJECT

 public:
  // The mark lives on `control` and follows its focus and size.
  static void Attach(QWidget* control);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  explicit FocusMark(QWidget* control);
};

}  // namespace balance3
