#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QTest>
#include <memory>

#include "AppWindows.h"
#include "Script.h"

// The program's windows as start-up creates them, the main window shown and
// active, and a script that runs the test's steps on the modal windows and
// fails the test on any modal window it did not expect.
class UiFixture {
 public:
  void start() {
    windows_ = std::make_unique<AppWindows>();
    form().show();
    script_ = std::make_unique<Script>();
    script_->start();
  }

  // Returns why the test must fail (a modal window came up unasked, or an
  // expected one never did), or an empty string.
  QString stop() {
    const QString problem = script_->finish();
    script_.reset();
    windows_.reset();
    return problem;
  }

  TForm1& form() { return windows_->form1; }
  TFormAbout& about() { return windows_->formAbout; }
  TNSOForm& warning() { return windows_->nsoForm; }
  Script& script() { return *script_; }

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
  std::unique_ptr<Script> script_;
};
