#include <QAccessible>
#include <QGroupBox>
#include <QPushButton>
#include <QScrollArea>
#include <QStyleOptionGroupBox>
#include <QTextEdit>

#include "UiFixture.h"
#include "UrlRecorder.h"
#include "example_results.h"

using Texts = QList<QPair<QString, QString>>;  // field name, text

// WCAG's contrast in `area`: of the colour found most there and the one farthest from it.
double TextContrast(const QImage& image, QRect area) {
  const auto linear = [](int v) { const double s = v / 255.0; return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4); };
  const auto luminance = [&](QRgb c) { return 0.05 + 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c)); };
  QHash<QRgb, int> count;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) ++count[image.pixel(x, y)];
  const double back = luminance(std::max_element(count.keyValueBegin(), count.keyValueEnd(),
      [](auto a, auto b) { return a.second < b.second; })->first);
  double best = 1;
  for (QRgb c : count.keys()) best = std::max({best, luminance(c) / back, back / luminance(c)});
  return best;
}

// Where a control draws text, clear of frames, focus marks and the help page's pictures.
QRect TextArea(QWidget* c) {
  if (auto* label = qobject_cast<QLabel*>(c)) return label->text().isEmpty() ? QRect() : c->rect();
  if (qobject_cast<QGroupBox*>(c)) return {0, 0, c->width(), c->fontMetrics().height()};
  const bool text = qobject_cast<QLineEdit*>(c) || qobject_cast<QPushButton*>(c) || qobject_cast<QTextEdit*>(c);
  return text ? c->rect().adjusted(8, 8, -8, -8) & QRect(0, 0, c->width(), 80) : QRect();
}

QString Spoken(QObject* control, QAccessible::Text what = QAccessible::Name) {
  return QAccessible::queryAccessibleInterface(control)->text(what);
}

class MainWindowTest : public QObject {
  Q_OBJECT

  UiFixture ui;
  const QStringList kExample{std::begin(kExampleResults), std::end(kExampleResults)};
  const QStringList kNoData = QStringList(6, QString::fromUtf8("н.д."));

  void type(const Texts& texts) {
    for (const auto& [name, text] : texts) ui.field(name)->setText(text);
  }
  QWidget* focused() {
    QWidget* widget = QApplication::focusWidget();
    return widget ? widget : &ui.form();
  }
  void pressOnFocus(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(focused(), key, modifiers);
  }

 private slots:
  void init() {
    ui.start();
    QVERIFY(QTest::qWaitForWindowActive(&ui.form()));
  }
  void cleanup() {
    const QString problem = ui.stop();
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
  }

  void startsWithDefaultsAndFocusOnCalculate() {
    QCOMPARE(ui.form().windowTitle(), "Balancing calculator for 3 planes of correction");
    QCOMPARE(focused()->objectName(), "Button1");
    QCOMPARE(ui.field("EditV10")->text(), "7,2");
    QCOMPARE(ui.field("EditF32")->text(), "396");
    QCOMPARE(ui.results(), kNoData);
    for (const char* name : {"GroupBox1", "GroupBox2", "GroupBox3", "GroupBox4", "GroupBox5"}) {
      QVERIFY2(ui.form().findChild<QGroupBox*>(name), name);
    }
    QCOMPARE(ui.find<QGroupBox>("GroupBox5")->title(),
             "Run3 (Trial weight in Plane3)");
  }

  void everyControlHasANameForScreenReaders() {
    QStringList unnamed;
    QSet<QString> fieldNames;
    for (QWidget* window : {static_cast<QWidget*>(&ui.form()),
                            static_cast<QWidget*>(&ui.warning()),
                            static_cast<QWidget*>(&ui.about())}) {
      for (QWidget* control : window->findChildren<QWidget*>()) {
        const bool named = qobject_cast<QLabel*>(control) || qobject_cast<QLineEdit*>(control) ||
                           qobject_cast<QPushButton*>(control) || !control->objectName().isEmpty();
        if (!named || control->objectName().startsWith("qt_")) continue;
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(control);
        const QString name = spoken->text(QAccessible::Name);
        // A button is heard alone: its focus ring is no child of it.
        if (qobject_cast<QPushButton*>(control)) QCOMPARE(spoken->childCount(), 0);
        if (name.isEmpty()) unnamed << control->objectName() + " " + control->metaObject()->className();
        if (qobject_cast<QLineEdit*>(control)) fieldNames << name;
      }
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", ")));
    QCOMPARE(fieldNames.size(), 24);
    QCOMPARE(ui.field("EditV21")->accessibleName(), "Run 1, plane 2, amplitude");
    QCOMPARE(ui.field("EditF30")->accessibleName(), "Run 0, plane 3, phase in degrees");
  }

  // A dark desktop theme's palette, set before the windows are created.
  void everyTextIsReadableUnderADarkTheme() {
    ui.stop();
    const QPalette light = QApplication::palette();
    QApplication::setPalette(QPalette(QColor(0x30, 0x30, 0x30)));  // light text on dark
    ui.start();
    QStringList faint;
    for (QWidget* window : {(QWidget*)&ui.form(), (QWidget*)&ui.warning(), (QWidget*)&ui.about()}) {
      window->show();
      for (QWidget* control : window->findChildren<QWidget*>())
        if (const QRect area = TextArea(control); !area.isEmpty() && TextContrast(control->grab().toImage(), area) < 4.5)
          faint << Spoken(control);
    }
    QApplication::setPalette(light);
    QVERIFY2(faint.isEmpty(), qPrintable(faint.join(", ")));
  }

  void bandTitlesStandAtTheLeftClearOfThePlaneTags() {
    const QByteArray wanted = qgetenv("QT_STYLE_OVERRIDE").toLower();
    QVERIFY2(wanted.isEmpty() || qApp->style()->name() == wanted, "the desktop's style is missing");
    for (QGroupBox* band : ui.form().findChildren<QGroupBox*>()) {
      QStyleOptionGroupBox option;
      option.initFrom(band);
      option.text = band->title();
      option.textAlignment = band->alignment();
      option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
      const QRect title =
          band->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, band);
      // At the left, and clear of the tags of planes 2 and 3 (plane 1's
      // stands just below it).
      const auto tags = band->findChildren<QLabel*>();
      const auto plane2 = std::find_if(tags.begin(), tags.end(),
                                       [](const QLabel* tag) { return tag->text() == "plane2"; });
      QVERIFY(plane2 != tags.end());
      QVERIFY2(title.left() < 20 && title.right() < (*plane2)->x(), qPrintable(band->title()));
    }
  }
  void calculateRightAfterStartShowsTheExample() {
    QTest::keyClick(&ui.form(), Qt::Key_F9);
    QCOMPARE(ui.results(), kExample);
    QCOMPARE(focused()->objectName(), "Button1");
  }

  void resultsAreReadWithWhatTheyShow() {
    auto spokenResults = [this] {
      QStringList texts;
      for (QLabel* label : ui.resultLabels()) texts << Spoken(label).section(": ", 1);
      return texts;
    };
    QCOMPARE(Spoken(ui.find<QLabel>("LabelM1")),
             QString::fromUtf8("Result, plane 1, mass in percent of the trial weight: н.д."));
    QCOMPARE(spokenResults(), kNoData);
    QTest::keyClick(&ui.form(), Qt::Key_F9);
    QCOMPARE(spokenResults(), kExample);
    QTest::keyClick(&ui.form(), Qt::Key_F8);
    QCOMPARE(spokenResults(), QStringList(6, "0"));
  }

  // A screen-reader user hears the warning name a field in the words its
  // description uses.
  void eachFieldIsDescribedInItsWarningsWords() {
    QStringList warnings, expected;
    for (QLineEdit* field : ui.fields()) {
      const QString text = field->text();
      field->setText("x");
      ui.script().then(steps::CloseWarning(warnings));
      QTest::keyClick(&ui.form(), Qt::Key_F9);
      field->setText(text);
      expected << "Incorrect value " + Spoken(field, QAccessible::Description);
    }
    QCOMPARE(warnings, expected);
  }

  void badInputShowsWarningsInOrderAndKeepsLabels_data() {
    QTest::addColumn<Texts>("texts");
    QTest::addColumn<QStringList>("warnings");
    QTest::newRow("empty first field stops at once")
        << Texts{{"EditV10", ""}, {"EditF10", "x"}, {"EditV30", "-1"}}
        << QStringList{"Incorrect value Vo1, Run#0"};
    QTest::newRow("go-on row, then a negative one")
        << Texts{{"EditV21", ""}, {"EditV30", "-2"}}
        << QStringList{"Incorrect value Vo2, Run#1", "Incorrect value Vo3, Run#0 !!!"};
    QTest::newRow("negative phase, scan goes on")
        << Texts{{"EditF12", "-1"}, {"EditF33", "-4"}}
        << QStringList{"Incorrect value Fo1, Run#2 !!!", "Incorrect value Fo3, Run#3 !!!"};
    QTest::newRow("point under a comma locale") << Texts{{"EditV11", "4.9"}}
                                                << QStringList{"Incorrect value Vo1, Run#1"};
    QTest::newRow("trial run typed as the initial run")
        << Texts{{"EditV11", "7,2"}, {"EditF11", "238"}, {"EditV21", "13,5"},
                 {"EditF21", "296"}, {"EditV31", "3,5"}, {"EditF31", "128"}}
        << QStringList{"Incorrect trial weight"};
  }
  void badInputShowsWarningsInOrderAndKeepsLabels() {
    QFETCH(Texts, texts);
    QFETCH(QStringList, warnings);
    type(texts);
    QStringList seen;
    for (int i = 0; i < warnings.size(); ++i) ui.script().then(steps::CloseWarning(seen));
    QTest::keyClick(&ui.form(), Qt::Key_F9);
    QCOMPARE(seen, warnings);
    QCOMPARE(ui.results(), kNoData);
  }

  // Run1 typed as Run0 but for Fo1: the nearer the two, the larger the mass
  // in plane 1.
  void resultsShowWholeInTheirLabels_data() {
    QTest::addColumn<Texts>("texts");
    QTest::addColumn<int>("shrunk");
    QTest::addColumn<int>("width");  // the labels' width after F9; 0 as designed
    const Texts eighteenDigits{{"EditV11", "7,2"}, {"EditF11", "238,00000000000003"},
                               {"EditV20", "13500"}, {"EditV21", "13500"}, {"EditF21", "296"},
                               {"EditV30", "3500"}, {"EditV31", "3500"}, {"EditF31", "128"}};
    QTest::newRow("the example fits") << Texts{} << 0 << 0;
    QTest::newRow("eight digits before the separator")
        << Texts{{"EditV11", "7,2"}, {"EditF11", "238,0001"}, {"EditV21", "13,5"},
                 {"EditF21", "296"}, {"EditV31", "3,5"}, {"EditF31", "128"}}
        << 1 << 0;
    QTest::newRow("eighteen digits") << eighteenDigits << 1 << 0;
    QTest::newRow("eighteen digits, labels widened") << eighteenDigits << 0 << 400;
    QTest::newRow("the example, labels narrowed") << Texts{} << 6 << 30;
  }
  void resultsShowWholeInTheirLabels() {
    QFETCH(Texts, texts);
    QFETCH(int, shrunk);
    QFETCH(int, width);
    type(texts);
    QTest::keyClick(&ui.form(), Qt::Key_F9);
    int withTip = 0;
    for (QLabel* label : ui.resultLabels()) {
      if (width) label->resize(width, label->height());
      const QString name = label->objectName();
      QVERIFY2(QFontMetrics(label->font()).horizontalAdvance(label->text()) <=
                   label->contentsRect().width(),
               qPrintable(name));
      if (label->toolTip().isEmpty()) continue;
      ++withTip;
      QCOMPARE(label->toolTip(), label->text());
    }
    QCOMPARE(withTip, shrunk);
  }

  void warningKeepsTheLastResult() {
    QTest::keyClick(&ui.form(), Qt::Key_F9);
    type({{"EditV10", ""}});
    QStringList seen;
    ui.script().then(steps::CloseWarning(seen));
    QTest::keyClick(&ui.form(), Qt::Key_F9);
    QCOMPARE(ui.results(), kExample);
  }

  void clearWritesZeroEverywhereAndKeepsFocus() {
    pressOnFocus(Qt::Key_Tab);
    QCOMPARE(focused()->objectName(), "EditV10");
    pressOnFocus(Qt::Key_F8);
    QCOMPARE(ui.fieldTexts(), QStringList(24, "0"));
    QCOMPARE(ui.results(), QStringList(6, "0"));
    QCOMPARE(focused()->objectName(), "EditV10");
  }

  void tabOrderBothWays() {
    QStringList order{"Button1"};
    const QStringList inGroup{"EditV1%1", "EditV2%1", "EditF1%1", "EditF2%1", "EditV3%1", "EditF3%1"};
    for (int run : {0, 1, 2}) {
      for (const QString& name : inGroup) order << name.arg(run);
    }
    order << "Button2" << "Button3";
    for (const QString& name : inGroup) order << name.arg(3);
    order << "redt1" << "Button1";

    QStringList forward{focused()->objectName()};
    for (int i = 1; i < order.size(); ++i) {
      pressOnFocus(Qt::Key_Tab);
      forward << focused()->objectName();
    }
    QCOMPARE(forward, order);

    QStringList backward{focused()->objectName()};
    for (int i = 1; i < order.size(); ++i) {
      pressOnFocus(Qt::Key_Backtab, Qt::ShiftModifier);
      backward << focused()->objectName();
    }
    std::reverse(order.begin(), order.end());
    QCOMPARE(backward, order);
  }

  void enteringAFieldEmptiesIt() {
    pressOnFocus(Qt::Key_Tab);
    QCOMPARE(ui.field("EditV10")->text(), "");
    QTest::keyClicks(focused(), "12,5");
    pressOnFocus(Qt::Key_Tab);
    QCOMPARE(ui.field("EditV10")->text(), "12,5");
    pressOnFocus(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(ui.field("EditV10")->text(), "");

    QTest::mouseClick(ui.field("EditF33"), Qt::LeftButton);
    QCOMPARE(focused()->objectName(), "EditF33");
    QCOMPARE(ui.field("EditF33")->text(), "");
  }

  void aClickedFieldScrollsIntoViewWhole() {
    ui.form().resize(600, 300);
    QWidget* viewport = ui.form().findChild<QScrollArea*>()->viewport();
    QWidget* field = ui.field("EditF33");  // at the bottom right, out of view
    QTest::mouseClick(field, Qt::LeftButton);
    QVERIFY(viewport->rect().contains(QRect(field->mapTo(viewport, QPoint()), field->size())));
  }

  void focusReturningFromAWarningKeepsTheText() {
    pressOnFocus(Qt::Key_Tab);
    QTest::keyClicks(focused(), "abc");
    QStringList seen;
    ui.script().then(steps::CloseWarning(seen));
    pressOnFocus(Qt::Key_F9);
    QCOMPARE(seen, QStringList{"Incorrect value Vo1, Run#0"});
    // As the window manager does when a dialog closes. Neither activateWindow()
    // nor qWaitForWindowActive() would do: the hidden dialog, transient for
    // the main window, is still the focus window, which counts as the main
    // window being active.
    ui.form().windowHandle()->requestActivate();
    QTRY_COMPARE(QGuiApplication::focusWindow(), ui.form().windowHandle());
    QCOMPARE(focused()->objectName(), "EditV10");
    QCOMPARE(ui.field("EditV10")->text(), "abc");
  }

  void functionKeysIgnoreModifiers_data() {
    QTest::addColumn<int>("modifiers");
    QTest::newRow("shift") << int(Qt::ShiftModifier);
    QTest::newRow("control") << int(Qt::ControlModifier);
    QTest::newRow("alt") << int(Qt::AltModifier);
    QTest::newRow("all three") << int(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  }
  void functionKeysIgnoreModifiers() {
    QFETCH(int, modifiers);
    const auto held = Qt::KeyboardModifiers(modifiers);
    pressOnFocus(Qt::Key_F9, held);
    QCOMPARE(ui.results(), kExample);
    pressOnFocus(Qt::Key_F8, held);
    QCOMPARE(ui.results(), QStringList(6, "0"));
    QStringList seen;
    ui.script().then(steps::Note(seen));
    ui.script().then(steps::Press(Qt::Key_F10));
    pressOnFocus(Qt::Key_F1, held);
    QCOMPARE(seen, QStringList{"FormAbout"});
    pressOnFocus(Qt::Key_F10, held);
    QVERIFY(!ui.form().isVisible());
  }

  void escapeDoesNothing() {
    pressOnFocus(Qt::Key_Escape);
    pressOnFocus(Qt::Key_Tab);
    QTest::keyClicks(focused(), "3");
    pressOnFocus(Qt::Key_Escape);
    QVERIFY(ui.form().isVisible());
    QCOMPARE(ui.field("EditV10")->text(), "3");
  }

  void spaceDoesNotClickAButtonButEnterDoes() {
    auto* clear = ui.find<QPushButton>("Button2");
    clear->setFocus();
    pressOnFocus(Qt::Key_Space);
    QCOMPARE(ui.field("EditV10")->text(), "7,2");
    QVERIFY(!clear->isDown());
    pressOnFocus(Qt::Key_Return);
    QCOMPARE(ui.field("EditV10")->text(), "0");
  }

  void focusIsVisible_data() {
    QTest::addColumn<QString>("control");
    QTest::newRow("F9 - Calculate at start") << "Button1";
    QTest::newRow("the strip, reached by Tab") << "redt1";
  }
  void focusIsVisible() {
    QFETCH(QString, control);
    auto* widget = ui.find<QWidget>(control);
    if (!widget->hasFocus()) widget->setFocus(Qt::TabFocusReason);
    const QImage focusedLook = widget->grab().toImage();
    pressOnFocus(Qt::Key_Tab);
    QVERIFY(!widget->hasFocus());
    QVERIFY(widget->grab().toImage() != focusedLook);
  }

  void stripOpensTheWebSiteOnEveryPress() {
    UrlRecorder recorder("https");
    auto* strip = ui.find<QTextEdit>("redt1");
    QTest::mousePress(strip->viewport(), Qt::RightButton);
    QTest::mouseRelease(strip->viewport(), Qt::RightButton);
    QTest::mouseClick(strip->viewport(), Qt::LeftButton, Qt::ControlModifier);
    QTest::mouseClick(strip->viewport(), Qt::LeftButton, {}, QPoint(40, 10));
    QTest::mouseDClick(strip->viewport(), Qt::LeftButton, {}, QPoint(40, 10));
    QVERIFY(!strip->textCursor().hasSelection());
    const QUrl order("https://kelvaro.example/order/");
    strip->setFocus();
    pressOnFocus(Qt::Key_Return);
    pressOnFocus(Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(recorder.urls, QList<QUrl>(6, order));
    QCOMPARE(strip->toolTip(), "https://kelvaro.example/");
    QVERIFY(Spoken(strip, QAccessible::Description).contains(order.toString()));
  }

  void draggingOverTheStripSelectsNothing() {
    UrlRecorder recorder("https");  // keeps the press from starting a browser
    auto* strip = ui.find<QTextEdit>("redt1");
    QWidget* area = strip->viewport();
    QTest::mousePress(area, Qt::LeftButton, {}, QPoint(5, 10));
    QMouseEvent move(QEvent::MouseMove, QPointF(area->width() - 5, 60),
                     area->mapToGlobal(QPointF(area->width() - 5, 60)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(area, &move);
    QTest::mouseRelease(area, Qt::LeftButton, {}, QPoint(area->width() - 5, 60));
    QVERIFY(!strip->textCursor().hasSelection());
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
