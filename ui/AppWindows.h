#pragma once

#include <QApplication>
#include <QWindow>

#include "ModalRecall.h"
#include "NSOUnit.h"
#include "Unit1.h"
#include "UnitAbout.h"

// The program's three windows, each created once in start-up order (members
// are built in declaration order): the main window, the help window (which
// loads its page), the warning dialog. Then they are introduced to each other.
struct AppWindows {
  TForm1 form1;
  TFormAbout formAbout;
  TNSOForm nsoForm;
  ModalRecall modalRecall;

  AppWindows() {
    form1.setWindows(&nsoForm, &formAbout);
    formAbout.setWarningDialog(&nsoForm);
    nsoForm.setHelpWindow(&formAbout);
    // Window managers keep a window above the one it is transient for. A
    // parent widget would do the same but lets Qt place the help window,
    // whose first place is the window system's choice.
    form1.winId();
    for (QWidget* modal : {static_cast<QWidget*>(&formAbout), static_cast<QWidget*>(&nsoForm)}) {
      modal->winId();
      modal->windowHandle()->setTransientParent(form1.windowHandle());
    }
    qApp->installNativeEventFilter(&modalRecall);
  }
};
