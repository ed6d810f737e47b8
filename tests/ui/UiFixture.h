#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QTest>
#include <memory>

#include "AppWindows.h"
#include "ModalDriver.h"

// The program's windows as start-up creates them, the main window shown and
// active, and a modal driver that fails the test on any dialog it did not
// expect.
class UiFixture {
 public:
  void start() {
    windows_ = std::make_unique<AppWindows>();
    form().show();
    driver_ = std::make_unique<ModalDriver>();
  }

  // Returns false (and the reason) when a modal came up unasked or an
  // expected one never did.
  QString stop() {
    QString problem;
    if (!driver_->unexpected().isEmpty()) {
      problem = "unexpected modal window: " + driver_->unexpected().join(", ");
    } else if (!driver_->finished()) {
      problem = "an expected modal window never came up";
    }
    driver_.reset();
    windows_.reset();
    return problem;
  }

  TForm1& form() { return windows_->form1; }
  TFormAbout& about() { return windows_->formAbout; }
  TNSOForm& warning() { return windows_->nsoForm; }
  ModalDriver& driver() { return *driver_; }

  QLineEdit* field(const QString& name) { return form().findChild<QLineEdit*>(name); }
  QString label(const QString& name) { return form().findChild<QLabel*>(name)->text(); }

  QStringList results() {
    QStringList texts;
    for (const char* name : balance3::kResultLabels) texts << label(name);
    return texts;
  }

  QStringList fieldTexts() {
    QStringList texts;
    for (const auto& entry : balance3::kFields) texts << field(entry.name)->text();
    return texts;
  }

 private:
  std::unique_ptr<AppWindows> windows_;
  std::unique_ptr<ModalDriver> driver_;
};
