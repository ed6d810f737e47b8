#include "ModalKeeper.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

namespace balance3 {

ModalKeeper::ModalKeeper(QObject* parent) : QObject(parent) {
  connect(qApp, &QGuiApplication::focusWindowChanged, this, &ModalKeeper::FocusWindowChanged);
}

void ModalKeeper::FocusWindowChanged(QWindow* window) {
  QWidget* modal = QApplication::activeModalWidget();
  if (!window || !modal || !modal->windowHandle()) return;
  QWindow* modalWindow = modal->windowHandle();
  // The modal window's own popups, such as the page's context menu, are not
  // blocked by it.
  if (window == modalWindow || modalWindow->isAncestorOf(window, QWindow::IncludeTransients)) {
    return;
  }
  // On Wayland the request carries the number of the user's latest input,
  // the click's press, by which the compositor knows the user asked for it.
  modalWindow->requestActivate();
}

}  // namespace balance3
