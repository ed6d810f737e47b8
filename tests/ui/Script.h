#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <functional>

class QWidget;

// Steps, each run once its condition holds, from whichever event loop is
// running: a step that opens a modal window starts that window's loop, and
// the next step runs inside it. A step whose condition does not hold in
// time, or a failed check, ends the script and closes the modal windows; a
// modal window that comes up with no step left is closed and reported. So a
// test fails instead of hanging.
class Script : public QObject {
 public:
  using Condition = std::function<bool()>;
  using Action = std::function<void()>;
  using ModalStep = std::function<void(QWidget* modal)>;

  // `action` runs once `ready` holds; `what` names the wait in a failure.
  Script& then(const QString& what, Condition ready, Action action);
  // `step` runs on the modal window on top, once there is one.
  Script& then(ModalStep step);

  // Starts running the steps, those given and those still to come; then the
  // test does what opens the windows.
  void start(int stepTimeoutMs = 5000);
  // Waits for the steps left and stops; returns why the script failed, or
  // an empty string.
  QString finish();
  QString run(int stepTimeoutMs = 5000) { start(stepTimeoutMs); return finish(); }

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
  QStringList unexpected_;
};

// Steps for the warning dialog and the keys the windows know.
namespace steps {

// Records the warning's text in `seen` and closes it with "OK".
Script::ModalStep CloseWarning(QStringList& seen);
// Sends a key press and release to the modal window's focused control.
Script::ModalStep Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Records which window was on top, then does nothing to it.
Script::ModalStep Note(QStringList& seen);

}  // namespace steps
