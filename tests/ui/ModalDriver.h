#pragma once

#include <QObject>
#include <QStringList>
#include <deque>
#include <functional>

class QWidget;

// Drives code that shows modal windows: whenever a modal window is on top,
// the next step runs on it. A modal window with no step left is recorded as
// unexpected and closed, so a test fails instead of hanging.
class ModalDriver : public QObject {
 public:
  using Step = std::function<void(QWidget* modal)>;

  ModalDriver();

  void then(Step step) { steps_.push_back(std::move(step)); }
  bool finished() const { return steps_.empty(); }
  const QStringList& unexpected() const { return unexpected_; }

 private:
  void poll();

  std::deque<Step> steps_;
  QStringList unexpected_;
};

// Steps for the warning dialog and the keys the windows know.
namespace steps {

// Records the warning's text in `seen` and closes it with "OK".
ModalDriver::Step CloseWarning(QStringList& seen);
// Sends a key press and release to the modal window's focused control.
ModalDriver::Step Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Records which window was on top, then does nothing to it.
ModalDriver::Step Note(QStringList& seen);

}  // namespace steps
