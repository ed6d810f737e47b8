#include "CommandButton.h"

#include <QPushButton>

#include "FocusMark.h"

namespace balance3 {

QPushButton* CommandButton(const char* name, const QString& caption,
                           const QString& accessibleName, QRect geometry, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setAccessibleName(accessibleName);
  button->setGeometry(geometry);
  FocusMark::Attach(button);
  return button;
}

}  // namespace balance3
