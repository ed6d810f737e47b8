#include <QGuiApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <memory>

#include "AppWindows.h"
#include "Script.h"
#include "example_results.h"

namespace {

bool Exposed(const QWidget& window) {
  return window.isVisible() && window.windowHandle() && window.windowHandle()->isExposed();
}

// Runs `show`, which returns only when the window is closed, from the event
// loop, so that the script goes on inside the window's own loop.
Script::Action Later(std::function<void()> show) {
  return [show] { QTimer::singleShot(0, show); };
}

}  // namespace

// The windows as start-up creates them, as a client of a Wayland compositor:
// each one reaches the screen in turn, and the example calculates. A headless
// compositor gives no keyboard focus, so everything is driven from inside.
class WaylandSmokeTest : public QObject {
  Q_OBJECT

 private slots:
  void everyWindowShowsAndTheExampleCalculates() {
    QCOMPARE(QGuiApplication::platformName(), "wayland");
    AppWindows windows;
    windows.form1.show();
    Script script;
    script
        .then("the main window", [&] { return Exposed(windows.form1); },
              Later([&] { windows.nsoForm.ShowWarning("Incorrect trial weight"); }))
        .then("the warning dialog", [&] { return Exposed(windows.nsoForm); },
              [&] { windows.nsoForm.close(); })
        .then("the warning closed", [&] { return !windows.nsoForm.isVisible(); },
              Later([&] { windows.formAbout.Help(); }))
        .then("the help window", [&] { return Exposed(windows.formAbout); },
              [&] { windows.formAbout.close(); })
        .then("help closed", [&] { return !windows.formAbout.isVisible(); },
              [&] { windows.form1.Button1Click(); });
    const QString failure = script.run();
    QVERIFY2(failure.isEmpty(), qPrintable(failure));

    QStringList results;
    for (const char* name : {"LabelM1", "LabelM2", "LabelM3", "LabelF1", "LabelF2", "LabelF3"}) {
      results << windows.form1.findChild<QLabel*>(name)->text();
    }
    QCOMPARE(results, QStringList(std::begin(kExampleResults), std::end(kExampleResults)));
  }
};

QTEST_MAIN(WaylandSmokeTest)
#include "wayland_smoke_test.moc"
