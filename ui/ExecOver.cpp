#include "ExecOver.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QWindow>

#include "WindowHints.h"

namespace balance3 {

void ExecOver(QDialog* modal) {
  QWidget* asker = QApplication::activeModalWidget();
  if (!asker) asker = QApplication::activeWindow();
  const QPointer<QWidget> opener = asker;
  if (asker) {
    modal->winId();
    modal->windowHandle()->setTransientParent(asker->windowHandle());
  }
  // Modal from its showing on, as exec() would make it: exec() then finds it
  // shown and only runs the loop.
  modal->setWindowModality(Qt::ApplicationModal);
  modal->show();
  MarkTransientOnX11(modal->windowHandle());
  modal->exec();
  if (opener && opener->isVisible()) opener->windowHandle()->requestActivate();
}

}  // namespace balance3
