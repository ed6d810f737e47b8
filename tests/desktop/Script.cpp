#include "Script.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

Script& Script::then(const QString& what, Condition ready, Action action) {
  steps_.push_back({what, std::move(ready), std::move(action)});
  return *this;
}

QString Script::run(int stepTimeoutMs) {
  stepTimeoutMs_ = stepTimeoutMs;
  failure_.clear();
  waiting_.start();
  connect(&timer_, &QTimer::timeout, this, &Script::poll, Qt::UniqueConnection);
  timer_.start(10);
  const int total = stepTimeoutMs * int(steps_.size() + 1);
  const bool finished = QTest::qWaitFor(
      [this] { return steps_.empty() && !QApplication::activeModalWidget(); }, total);
  timer_.stop();
  if (!finished && failure_.isEmpty()) failure_ = "the steps did not finish in time";
  return failure_;
}

void Script::poll() {
  if (steps_.empty()) return;
  if (QTest::currentTestFailed()) return abort("a check failed");
  Step& step = steps_.front();
  if (!step.ready()) {
    if (waiting_.elapsed() > stepTimeoutMs_) abort("timed out waiting for: " + step.what);
    return;
  }
  const Action action = std::move(step.action);
  steps_.pop_front();
  waiting_.start();
  action();  // returns before what it starts is handled: input, or a queued call
}

void Script::abort(const QString& reason) {
  failure_ = reason;
  steps_.clear();
  // Closing returns from each modal loop in turn.
  while (QWidget* modal = QApplication::activeModalWidget()) modal->close();
}
