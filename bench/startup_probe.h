#pragma once

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <sys/resource.h>

// Ends the program as soon as `window` has been painted on the screen for
// the first time, printing "shown <peak resident set in KiB>" for the harness
// that started it and measures the time until that line. Any widget of the
// window counts: Qt paints no part of a window that opaque children cover, so
// the window itself may never get a paint event. A paint before the window
// is exposed renders its picture for the X server to show at mapping, and
// does not count.
class ShownProbe : public QObject {
 public:
  explicit ShownProbe(QWidget* window) : QObject(window), window_(window) {
    qApp->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !reported_ && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == window_ &&
        window_->windowHandle()->isExposed()) {
      reported_ = true;
      // Report once the paint itself is done.
      QTimer::singleShot(0, [] {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("shown %ld\n", usage.ru_maxrss);
        std::fflush(stdout);
        QApplication::exit(0);
      });
    }
    return false;
  }

 private:
  QWidget* window_;
  bool reported_ = false;
};
