#include "ExecOver.h"

#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QPointer>
#include <QWindow>

#include "WindowHints.h"

namespace balance3 {

namespace {

// Qt 6.4's own title bars on Wayland (GNOME's compositor draws none) offer
// minimise on a modal window whatever it asks for, and GNOME then refuses
// the window the keyboard back: the windows beneath stay deaf with nothing
// in sight to bring it back. So a modal window that Qt has minimised is
// shown again at once, as a new window, which the compositor brings up with
// the keyboard. Where the compositor minimises it (kwin's title bars), Qt is
// not told, and the compositor gives it back when asked.
class ShowAgainIfMinimised : public QObject {
 public:
  explicit ShowAgainIfMinimised(QDialog* modal) {
    if (QGuiApplication::platformName() != "wayland") return;
    // The window asked to minimise, as Qt's title bar asks it: Qt reports no
    // such state to the widget, since a Wayland compositor tells no one
    // when it gives the window back.
    connect(modal->windowHandle(), &QWindow::windowStateChanged, this,
            [this, modal](Qt::WindowState state) {
              if (state != Qt::WindowMinimized || minimised) return;
              minimised = true;
              // Ends the window's loop, once Qt is done with the change.
              QMetaObject::invokeMethod(modal, &QWidget::hide, Qt::QueuedConnection);
            });
  }

  bool minimised = false;
};

}  // namespace

void ExecOver(QDialog* modal) {
  QWidget* asker = QApplication::activeModalWidget();
  if (!asker) asker = QApplication::activeWindow();
  const QPointer<QWidget> opener = asker;
  // A dialog may get a new native window at a showing, which Qt's X11
  // backend names after the application, not the desktop entry.
  modal->winId();
  NameDesktopEntryOnX11(modal->windowHandle());
  if (asker) modal->windowHandle()->setTransientParent(asker->windowHandle());
  // Modal from its showing on, as exec() would make it: exec() then finds it
  // shown and only runs the loop.
  modal->setWindowModality(Qt::ApplicationModal);
  ShowAgainIfMinimised keeper(modal);
  do {
    keeper.minimised = false;
    modal->windowHandle()->setWindowStates(modal->windowHandle()->windowStates() &
                                           ~Qt::WindowMinimized);
    modal->show();
    MarkTransientOnX11(modal->windowHandle());
    modal->exec();
  } while (keeper.minimised);
  if (opener && opener->isVisible()) opener->windowHandle()->requestActivate();
}

}  // namespace balance3
