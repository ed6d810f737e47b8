#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <deque>
#include <functional>

// Steps of real input, each run once its condition holds, from whichever
// event loop is running: input that opens a modal window starts that
// window's loop, and the next step runs inside it. A step whose condition
// does not hold in time, or a failed check, ends the script and closes the
// modal windows, so a test fails instead of hanging.
class Script : public QObject {
 public:
  using Condition = std::function<bool()>;
  using Action = std::function<void()>;

  // `action` runs once `ready` holds; `what` names the wait in a failure.
  Script& then(const QString& what, Condition ready, Action action);

  // Runs every step; returns what was being waited for when it timed out,
  // or an empty string.
  QString run(int stepTimeoutMs = 5000);

 private:
  void poll();
  void abort(const QString& reason);

  struct Step {
    QString what;
    Condition ready;
    Action action;
  };
  std::deque<Step> steps_;
  QTimer timer_;
  QElapsedTimer waiting_;
  int stepTimeoutMs_ = 0;
  QString failure_;
};
