#include "FirstExposure.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <utility>

namespace balance3 {

namespace {

class FirstExposure : public QObject {
 public:
  FirstExposure(QWidget* window, std::function<void()> then)
      : QObject(window), window_(window), then_(std::move(then)) {
    window->installEventFilter(this);
  }

  // The native window exists from the show event on; the widget paints
  // itself on the screen when the native window's exposure reaches it,
  // after this filter.
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == window_ && event->type() == QEvent::Show) {
      window_->windowHandle()->installEventFilter(this);
    } else if (watched == window_->windowHandle() && event->type() == QEvent::Expose &&
               window_->windowHandle()->isExposed()) {
      window_->windowHandle()->removeEventFilter(this);
      window_->removeEventFilter(this);
      QTimer::singleShot(0, window_, std::move(then_));
      deleteLater();
    }
    return false;
  }

 private:
  QWidget* window_;
  std::function<void()> then_;
};

}  // namespace

void AfterFirstExposure(QWidget* window, std::function<void()> then) {
  new FirstExposure(window, std::move(then));
}

}  // namespace balance3
