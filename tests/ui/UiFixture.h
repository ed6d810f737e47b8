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

  // A misspelt name ends the test run with the name, not with a crash.
  template <typename Control>
  Control* find(const QString& name) {
    auto* control = form().findChild<Control*>(name);
    if (!control) qFatal("the main window has no %s", qPrintable(name));
    return control;
  }
  QLineEdit* field(const QString& name) { return find<QLineEdit>(name); }

  // In writing order: the masses, then the angles.
  QList<QLabel*> resultLabels() {
    QList<QLabel*> labels;
    for (const char* name : {"LabelM1", "LabelM2", "LabelM3", "LabelF1", "LabelF2", "LabelF3"}) {
      labels << find<QLabel>(name);
    }
    return labels;
  }
  QStringList results() {
    QStringList texts;
    for (QLabel* label : resultLabels()) texts << label->text();
    return texts;
  }

  // In reading order: plane by plane, run by run, amplitude before phase.
  QList<QLineEdit*> fields() {
    QList<QLineEdit*> all;
    for (int plane = 1; plane <= 3; ++plane) {
      for (int run = 0; run <= 3; ++run) {
        for (const char* quantity : {"V", "F"}) {
          all << field(QString("Edit%1%2%3").arg(quantity).arg(plane).arg(run));
        }
      }
    }
    return all;
  }
  QStringList fieldTexts() {
    QStringList texts;
    for (QLineEdit* f : fields()) texts << f->text();
    return texts;
  }

 private:
  std::unique_ptr<AppWindows> windows_;
  std::unique_ptr<ModalDriver> driver_;
};
