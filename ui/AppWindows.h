#pragma once

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

  AppWindows() {
    form1.setWindows(&nsoForm, &formAbout);
    formAbout.setWarningDialog(&nsoForm);
    nsoForm.setHelpWindow(&formAbout);
  }
};
