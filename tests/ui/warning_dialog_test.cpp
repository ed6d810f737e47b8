#include <QAccessible>
#include <QPushButton>

#include "UiFixture.h"

class WarningDialogTest : public QObject {
  Q_OBJECT

  UiFixture ui;

  QString message() { return ui.warning().findChild<QLabel*>("Label1")->text(); }

 private slots:
  void init() {
    QTest::failOnWarning(QRegularExpression("exec|[Rr]ecursive|modal"));
    ui.start();
  }
  void cleanup() {
    const QString problem = ui.stop();
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
  }

  void looksAsDesigned() {
    TNSOForm& dialog = ui.warning();
    QCOMPARE(dialog.windowTitle(), "Warning !!!");
    QCOMPARE(message(), "Set correct coefficients!");
    QVERIFY(dialog.findChild<QWidget*>("Image2"));
    QCOMPARE(dialog.findChild<QPushButton*>("Button1")->text(), "OK");
    QVERIFY(!dialog.isVisible());
  }

  void closesOnItsKeys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("escape") << int(Qt::Key_Escape) << int(Qt::NoModifier);
    QTest::newRow("insert") << int(Qt::Key_Insert) << int(Qt::NoModifier);
    QTest::newRow("F10") << int(Qt::Key_F10) << int(Qt::NoModifier);
    QTest::newRow("shift+F10") << int(Qt::Key_F10) << int(Qt::ShiftModifier);
    QTest::newRow("enter on OK") << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow("keypad enter on OK") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
  }
  void closesOnItsKeys() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    ui.script().then(steps::Press(key, Qt::KeyboardModifiers(modifiers)));
    ui.warning().ShowWarning("Incorrect trial weight");
    QVERIFY(!ui.warning().isVisible());
    QCOMPARE(message(), "Incorrect trial weight");
  }

  void closesOnOkAndTitleBar() {
    QStringList seen;
    ui.script().then(steps::CloseWarning(seen));
    ui.warning().ShowWarning("first");
    ui.script().then([](QWidget* modal) { modal->close(); });
    ui.warning().ShowWarning("second");
    QCOMPARE(seen, QStringList{"first"});
    QVERIFY(!ui.warning().isVisible());
  }

  void spaceDoesNotPressOk() {
    bool stillOpen = false;
    ui.script().then(steps::Press(Qt::Key_Space));
    ui.script().then([&](QWidget* modal) { stillOpen = modal == &ui.warning(); });
    ui.script().then(steps::Press(Qt::Key_Escape));
    ui.warning().ShowWarning("Manual not found");
    QVERIFY(stillOpen);
  }

  // Icons are painted at the first showing, not at start-up.
  void eachWindowHasItsIconWhenShown() {
    QVERIFY(!ui.form().windowIcon().isNull());
    QList<bool> iconed;
    const auto noteIcon = [&](QWidget* modal) { iconed << !modal->windowIcon().isNull(); };
    ui.script().then(noteIcon).then(steps::Press(Qt::Key_F1));
    ui.script().then(noteIcon).then(steps::Press(Qt::Key_F10));
    ui.script().then(steps::Press(Qt::Key_Escape));
    ui.warning().ShowWarning("Incorrect trial weight");
    QCOMPARE(iconed, (QList<bool>{true, true}));
  }

  void helpOpensOverTheDialogAndReturnsToIt() {
    QStringList seen;
    ui.script().then(steps::Press(Qt::Key_F1));
    ui.script().then(steps::Note(seen));
    ui.script().then(steps::Press(Qt::Key_F10));  // closes the help window
    ui.script().then(steps::Note(seen));
    ui.script().then(steps::Press(Qt::Key_Escape));
    ui.warning().ShowWarning("Incorrect trial weight");
    QCOMPARE(seen, (QStringList{"FormAbout", "NSOForm"}));
  }

  // What the dialog says is also what a screen reader reads of it.
  void askedWhileOpenItOnlyChangesTheText() {
    QStringList shown;
    const auto note = [&](QWidget* modal) {
      shown << message()
            << QAccessible::queryAccessibleInterface(modal)->text(QAccessible::Description);
    };
    ui.script().then([&](QWidget* modal) {
      note(modal);
      ui.warning().ShowWarning("Manual not found");  // must return at once
      note(modal);
    });
    ui.script().then(steps::Press(Qt::Key_Escape));
    ui.warning().ShowWarning("Incorrect trial weight");
    QCOMPARE(shown, (QStringList{"Incorrect trial weight", "Incorrect trial weight",
                                 "Manual not found", "Manual not found"}));
  }
};

QTEST_MAIN(WarningDialogTest)
#include "warning_dialog_test.moc"
