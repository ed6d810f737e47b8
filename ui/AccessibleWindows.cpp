#include "AccessibleWindows.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace balance3 {

namespace {

class AccessibleWindow : public QAccessibleWidget {
 public:
  using QAccessibleWidget::QAccessibleWidget;

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.modal = widget()->isModal();
    return state;
  }
};

// Asked with the class names of the object's class and its bases in turn,
// most derived first: a window of ours answers to its own name.
QAccessibleInterface* WindowInterface(const QString& className, QObject* object) {
  if (!object || !object->isWidgetType()) return nullptr;
  auto* widget = static_cast<QWidget*>(object);
  if (className == "TForm1") return new AccessibleWindow(widget, QAccessible::Window);
  if (className == "TNSOForm" || className == "TFormAbout") {
    return new AccessibleWindow(widget, QAccessible::Dialog);
  }
  return nullptr;
}

}  // namespace

void InstallAccessibleWindows() { QAccessible::installFactory(WindowInterface); }

}  // namespace balance3
