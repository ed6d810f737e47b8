#pragma once

#include <QApplication>
#include <QWindow>

#include "AccessibleWindows.h"
#include "FirstExposure.h"
#include "ModalKeeper.h"
#include "ModalRecall.h"
#include "NSOUnit.h"
#include "Unit1.h"
#include "UnitAbout.h"
#include "WindowHints.h"

// The program's three windows, each created once in start-up order (members
// are built in declaration order): the main window, the help window (which
// reads its page once the main window is painted), the warning dialog. No
// window knows another; this is the one place that wires what each asks for
// to the window that does it. The connections are direct, so a request
// returns only when its modal window has been closed.
struct AppWindows {
  // First: assistive technology may ask about a window as soon as it exists,
  // and keeps what it was told.
  bool accessibleWindows = (balance3::InstallAccessibleWindows(), true);
  TForm1 form1;
  TFormAbout formAbout;
  TNSOForm nsoForm;
  balance3::ModalRecall modalRecall;
  balance3::ModalKeeper modalKeeper;

  AppWindows() {
    QObject::connect(&form1, &TForm1::warningRequested, &nsoForm, &TNSOForm::ShowWarning);
    QObject::connect(&form1, &TForm1::helpRequested, &formAbout, &TFormAbout::Help);
    QObject::connect(&nsoForm, &TNSOForm::helpRequested, &formAbout, &TFormAbout::Help);
    QObject::connect(&formAbout, &TFormAbout::warningRequested, &nsoForm, &TNSOForm::ShowWarning);
    balance3::AfterFirstExposure(&form1, [this] { formAbout.LoadPage(); });
    // Window managers keep a window above the one it is transient for. A
    // parent widget would do the same but lets Qt place the help window,
    // whose first place is the window system's choice. Each showing makes a
    // modal window transient for the window that asked for it; until then,
    // and when no window of ours is active, for the main window. Each
    // window gets its native window here, named after the desktop entry (a
    // dialog given a new one at a showing is named again then).
    for (QWidget* window : {static_cast<QWidget*>(&form1), static_cast<QWidget*>(&formAbout),
                            static_cast<QWidget*>(&nsoForm)}) {
      window->winId();
      balance3::NameDesktopEntryOnX11(window->windowHandle());
      if (window != &form1) window->windowHandle()->setTransientParent(form1.windowHandle());
    }
    qApp->installNativeEventFilter(&modalRecall);
  }
};
