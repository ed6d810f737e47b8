#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <optional>

#include "UiFixture.h"
#include "UrlRecorder.h"

class HelpWindowTest : public QObject {
  Q_OBJECT

  UiFixture ui;
  QTemporaryDir workDir;  // the working directory, where the manual is looked for
  UrlRecorder viewer{"file"};  // stands in for the desktop's PDF viewer
  QString startDir;
  const QByteArray path = qgetenv("PATH");

  void putManual(const QString& path) {
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile manual(path);
    QVERIFY(manual.open(QIODevice::WriteOnly));
  }
  QTextBrowser* browser(TFormAbout& about) {
    return about.findChild<QTextBrowser*>("WebBrowser1");
  }

 private slots:
  void initTestCase() { startDir = QDir::currentPath(); }
  void cleanupTestCase() { QDir::setCurrent(startDir); }
  void init() {
    QTest::failOnWarning(QRegularExpression("exec|[Rr]ecursive|modal"));
    QVERIFY(QDir::setCurrent(workDir.path()));
    viewer.urls.clear();
    ui.start();
  }
  void cleanup() {
    qputenv("PATH", path);
    QFile::remove(workDir.filePath("Kestrune_manual.pdf"));
    const QString problem = ui.stop();
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
  }

  void looksAsDesigned() {
    TFormAbout& about = ui.about();
    QCOMPARE(about.windowTitle(), "About");
    QCOMPARE(about.findChild<QPushButton*>("Button5")->text(), "F10 - Exit");
    QCOMPARE(about.findChild<QPushButton*>("Button1")->text(), "F1 - Manual");
    QVERIFY(!about.isVisible());
  }

  // Loaded once the main window has been painted, the help window unshown.
  void loadsThePageBesideTheProgramFromAnyWorkingDirectory() {
    QVERIFY(QDir::currentPath() != QCoreApplication::applicationDirPath());
    QTextBrowser* page = browser(ui.about());
    QTRY_COMPARE(page->source(),
                 QUrl::fromLocalFile(QCoreApplication::applicationDirPath() + "/vantrel.html"));
    QVERIFY(!ui.about().isVisible());
    QCOMPARE(page->documentTitle(), "Balancing calculator for 3 planes of correction");
  }

  void aMissingPageIsSaidInTheBrowser() {
    TFormAbout about("/nowhere/vantrel.html");
    about.show();  // at once, before anything has been painted
    QVERIFY(browser(about)->toPlainText().contains("/nowhere/vantrel.html"));
  }

  void opensFromEachPlaceAndReturns_data() {
    QTest::addColumn<int>("place");
    QTest::newRow("F1 in the main window") << 0;
    QTest::newRow("the F1 - Help button") << 1;
    QTest::newRow("F1 in the warning dialog") << 2;
  }
  void opensFromEachPlaceAndReturns() {
    QFETCH(int, place);
    QStringList seen;
    if (place == 2) ui.script().then(steps::Press(Qt::Key_F1));
    ui.script().then(steps::Note(seen));
    ui.script().then(steps::Press(Qt::Key_F10));
    if (place == 2) ui.script().then(steps::Note(seen));
    if (place == 2) ui.script().then(steps::Press(Qt::Key_Escape));

    if (place == 0) QTest::keyClick(&ui.form(), Qt::Key_F1);
    if (place == 1) QTest::mouseClick(ui.find<QPushButton>("Button3"), Qt::LeftButton);
    if (place == 2) ui.warning().ShowWarning("Incorrect trial weight");

    QStringList expected{"FormAbout"};
    if (place == 2) expected << "NSOForm";
    QCOMPARE(seen, expected);
    QVERIFY(!ui.about().isVisible());
  }

  // Where xdg-utils are installed, xdg-mime names the PDF viewer, if any.
  // Installed, the program and its page are in P/lib/balance3, the manual in
  // P/share/doc/balance3.
  void manualOpensFromTheWorkingDirectory_data() {
    QTest::addColumn<QString>("xdgMimeSays");  // null: no xdg-mime
    QTest::addColumn<bool>("opens");
    QTest::addColumn<bool>("installed");  // the manual only where the package puts it
    QTest::newRow("no xdg-utils") << QString() << true << false;
    QTest::newRow("a PDF viewer") << "xpdf.desktop" << true << false;
    QTest::newRow("no PDF viewer") << "" << false << false;
    QTest::newRow("installed, from any folder") << "xpdf.desktop" << true << true;
  }
  void manualOpensFromTheWorkingDirectory() {
    QFETCH(QString, xdgMimeSays);
    QFETCH(bool, opens);
    QFETCH(bool, installed);
    QTemporaryDir prefix;
    const QString path = installed ? prefix.filePath("share/doc/balance3/Kestrune_manual.pdf")
                                   : workDir.filePath("Kestrune_manual.pdf");
    putManual(path);
    std::optional<TFormAbout> installedWindow;
    if (installed) installedWindow.emplace(prefix.filePath("lib/balance3/vantrel.html"));
    TFormAbout& about = installed ? *installedWindow : ui.about();
    QTemporaryDir bin;
    QFile xdgMime(bin.filePath("xdg-mime"));
    if (!xdgMimeSays.isNull()) {
      QVERIFY(xdgMime.open(QIODevice::WriteOnly));
      xdgMime.write("#!/bin/sh\necho " + xdgMimeSays.toUtf8() + "\n");
      xdgMime.close();
      QVERIFY(xdgMime.setPermissions(xdgMime.permissions() | QFile::ExeOwner));
    }
    qputenv("PATH", bin.path().toLocal8Bit());
    QStringList warnings;
    ui.script().then(steps::Press(Qt::Key_F1));
    if (!opens) ui.script().then(steps::CloseWarning(warnings));
    ui.script().then(steps::Press(Qt::Key_F10));
    about.Help();
    QCOMPARE(viewer.urls, opens ? QList<QUrl>{QUrl::fromLocalFile(path)} : QList<QUrl>{});
    QCOMPARE(warnings, opens ? QStringList{} : QStringList{"Manual not found"});
  }

  void missingManualWarnsOverTheHelpWindow() {
    QStringList warnings;
    QStringList windows;
    ui.script().then(steps::Press(Qt::Key_F1));
    ui.script().then(steps::CloseWarning(warnings));
    ui.script().then(steps::Note(windows));
    ui.script().then(steps::Press(Qt::Key_F10));
    ui.about().Help();
    QCOMPARE(warnings, QStringList{"Manual not found"});
    QCOMPARE(windows, QStringList{"FormAbout"});
    QVERIFY(viewer.urls.isEmpty());
  }

  // Tab goes from the page to the buttons, not through the page's links.
  void tabLeavesThePage() {
    QString next;
    ui.script().then([&](QWidget* modal) {
      browser(ui.about())->setFocus();
      QTest::keyClick(modal->focusWidget(), Qt::Key_Tab);
      next = modal->focusWidget()->objectName();
    });
    ui.script().then(steps::Press(Qt::Key_F10));
    ui.about().Help();
    QCOMPARE(next, "Button5");
  }

  void escapeDoesNotClose() {
    QStringList windows;
    ui.script().then(steps::Press(Qt::Key_Escape));
    ui.script().then(steps::Note(windows));
    ui.script().then(steps::Press(Qt::Key_F10, Qt::ControlModifier));
    ui.about().Help();
    QCOMPARE(windows, QStringList{"FormAbout"});
  }

  // Help over a warning over help: the open help window comes to the front.
  void helpAskedWhileOpenIsNotShownTwice() {
    QStringList warnings;
    ui.script().then(steps::Press(Qt::Key_F1));  // manual missing: warning
    ui.script().then(steps::Press(Qt::Key_F1));  // help again, from the warning
    ui.script().then(steps::CloseWarning(warnings));
    ui.script().then(steps::Press(Qt::Key_F10));
    ui.about().Help();
    QCOMPARE(warnings, QStringList{"Manual not found"});
  }

  // A warning over help over a warning: the open dialog takes the new text.
  void warningAskedWhileOpenOnlyChangesItsText() {
    QStringList warnings;
    ui.script().then(steps::Press(Qt::Key_F1));  // help over the warning
    ui.script().then(steps::Press(Qt::Key_F1));  // manual missing
    ui.script().then(steps::Press(Qt::Key_F10));  // closes help
    ui.script().then(steps::CloseWarning(warnings));
    ui.warning().ShowWarning("Incorrect trial weight");
    QCOMPARE(warnings, QStringList{"Manual not found"});
  }
};

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
