#include "ModalDriver.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {
constexpr int kPollMs = 2;
}

ModalDriver::ModalDriver() { QTimer::singleShot(kPollMs, this, &ModalDriver::poll); }

void ModalDriver::poll() {
  // A new single shot each time: a step may open a nested modal loop, and
  // the driver must keep polling inside it.
  QTimer::singleShot(kPollMs, this, &ModalDriver::poll);
  QWidget* modal = QApplication::activeModalWidget();
  if (!modal || !modal->isVisible()) return;
  if (steps_.empty()) {
    unexpected_ << modal->metaObject()->className();
    modal->close();
    return;
  }
  const Step step = std::move(steps_.front());
  steps_.pop_front();
  step(modal);
}

namespace steps {

ModalDriver::Step CloseWarning(QStringList& seen) {
  return [&seen](QWidget* modal) {
    const auto* label = modal->findChild<QLabel*>("Label1");
    seen << (label ? label->text() : QString("not a warning: %1").arg(modal->objectName()));
    if (auto* ok = modal->findChild<QPushButton*>("Button1")) {
      ok->click();
    } else {
      modal->close();
    }
  };
}

ModalDriver::Step Press(int key, Qt::KeyboardModifiers modifiers) {
  return [key, modifiers](QWidget* modal) {
    QWidget* target = modal->focusWidget() ? modal->focusWidget() : modal;
    QTest::keyClick(target, Qt::Key(key), modifiers);
  };
}

ModalDriver::Step Note(QStringList& seen) {
  return [&seen](QWidget* modal) { seen << modal->objectName(); };
}

}  // namespace steps
