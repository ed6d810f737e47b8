#include "Script.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QWidget>

namespace {

constexpr int kPollMs = 10;

QWidget* ModalOnTop() {
  QWidget* modal = QApplication::activeModalWidget();
  return modal && modal->isVisible() ? modal : nullptr;
}

}  // namespace

Script& Script::then(const QString& what, Condition ready, Action action) {
  // A step's time runs from when it is the next one.
  if (steps_.empty()) waiting_.start();
  steps_.push_back({what, std::move(ready), std::move(action)});
  return *this;
}

Script& Script::then(ModalStep step) {
  return then("a modal window", [] { return ModalOnTop() != nullptr; },
              [step = std::move(step)] { step(ModalOnTop()); });
}

void Script::start(int stepTimeoutMs) {
  stepTimeoutMs_ = stepTimeoutMs;
  failure_.clear();
  unexpected_.clear();
  waiting_.start();
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &Script::poll, Qt::UniqueConnection);
  timer_.start(kPollMs);
}

QString Script::finish() {
  const int total = stepTimeoutMs_ * int(steps_.size() + 1);
  const bool finished = QTest::qWaitFor(
      [this] { return steps_.empty() && !QApplication::activeModalWidget(); }, total);
  timer_.stop();
  if (!finished && failure_.isEmpty()) failure_ = "the steps did not finish in time";
  if (failure_.isEmpty() && !unexpected_.isEmpty()) {
    failure_ = "unexpected modal window: " + unexpected_.join(", ");
  }
  return failure_;
}

void Script::poll() {
  // Armed again before the step runs: a step may open a modal loop, and a
  // timer never fires again inside its own handler, but a new one does.
  timer_.start(kPollMs);
  if (steps_.empty()) {
    if (QWidget* modal = ModalOnTop()) {
      unexpected_ << modal->metaObject()->className();
      modal->close();
    }
    return;
  }
  if (QTest::currentTestFailed()) return abort("a check failed");
  Step& step = steps_.front();
  if (!step.ready()) {
    if (waiting_.elapsed() > stepTimeoutMs_) abort("timed out waiting for: " + step.what);
    return;
  }
  const Action action = std::move(step.action);
  steps_.pop_front();
  waiting_.start();
  action();
}

void Script::abort(const QString& reason) {
  failure_ = reason;
  steps_.clear();
  // Closing returns from each modal loop in turn.
  while (QWidget* modal = QApplication::activeModalWidget()) modal->close();
}

namespace steps {

Script::ModalStep CloseWarning(QStringList& seen) {
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

Script::ModalStep Press(int key, Qt::KeyboardModifiers modifiers) {
  return [key, modifiers](QWidget* modal) {
    QWidget* target = modal->focusWidget() ? modal->focusWidget() : modal;
    QTest::keyClick(target, Qt::Key(key), modifiers);
  };
}

Script::ModalStep Note(QStringList& seen) {
  return [&seen](QWidget* modal) { seen << modal->objectName(); };
}

}  // namespace steps
