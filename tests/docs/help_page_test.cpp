// The built help page: each picture was made at both scales and says what it
// shows, the help window shows the one made for the screen's scale, and the
// numbers its formulas give are what working them by hand gives.
#include <QFile>
#include <QImageReader>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

#include "UnitAbout.h"

namespace {

QString BuiltPage() {
  QFile page(TFormAbout::HelpPagePath());
  return page.open(QIODevice::ReadOnly) ? QString::fromUtf8(page.readAll()) : QString();
}

QString Attribute(const QString& tag, const QString& name) {
  return QRegularExpression(" " + name + "=\"([^\"]*)\"").match(tag).captured(1);
}

QSize PictureSize(const QString& file) {
  return QImageReader(QCoreApplication::applicationDirPath() + "/" + file).size();
}

// The `n`th match of `pattern` in `text`, or nothing.
QString Nth(const QRegularExpression& pattern, const QString& text, int n, int group = 0) {
  for (const QRegularExpressionMatch& match : pattern.globalMatch(text)) {
    if (n-- == 0) return match.captured(group);
  }
  return {};
}

// The text of a cell of the table of class `name`, row 0 being its heading.
QString Cell(const QString& name, int row, int column) {
  const QRegularExpression table("<table[^>]*class=\"" + name + "\".*?</table>",
                                 QRegularExpression::DotMatchesEverythingOption);
  static const QRegularExpression rows("<tr>.*?</tr>"), cells("<t[dh]>(.*?)</t[dh]>");
  return Nth(cells, Nth(rows, table.match(BuiltPage()).captured(), row), column, 1);
}

}  // namespace

class HelpPageTest : public QObject {
  Q_OBJECT

 private slots:
  void everyPictureIsBuiltAndSaysWhatItShows_data() {
    QTest::addColumn<QString>("tag");
    static const QRegularExpression image("<img[^>]*>");
    for (const QRegularExpressionMatch& match : image.globalMatch(BuiltPage())) {
      QTest::newRow(qPrintable(Attribute(match.captured(0), "src"))) << match.captured(0);
    }
  }
  void everyPictureIsBuiltAndSaysWhatItShows() {
    QFETCH(QString, tag);
    QVERIFY2(!Attribute(tag, "alt").trimmed().isEmpty(), "no text for screen readers");
    const QString name = Attribute(tag, "src");
    const QSize size(Attribute(tag, "width").toInt(), Attribute(tag, "height").toInt());
    QCOMPARE(PictureSize(name), size);
    QCOMPARE(PictureSize(QString(name).replace(".png", "@2x.png")), size * 2);
  }

  // Run as it comes and again with QT_SCALE_FACTOR=2.
  void windowShowsPicturesMadeForTheScreensScale() {
    TFormAbout about;
    about.show();
    auto* browser = about.findChild<QTextBrowser*>("WebBrowser1");
    QTextDocument* page = browser->document();
    int pictures = 0;
    for (QTextBlock block = page->begin(); block.isValid(); block = block.next()) {
      for (auto piece = block.begin(); !piece.atEnd(); ++piece) {
        if (!piece.fragment().charFormat().isImageFormat()) continue;
        const QTextImageFormat image = piece.fragment().charFormat().toImageFormat();
        const auto shown = page->resource(QTextDocument::ImageResource, QUrl(image.name()))
                               .value<QPixmap>();
        QCOMPARE(shown.width(), qRound(image.width() * browser->devicePixelRatioF()));
        ++pictures;
      }
    }
    QVERIFY(pictures > 0);
  }

  // The manual takes the page in as a chapter, where a link to nothing is a
  // dead link on paper too.
  void everyLinkInThePageLeadsSomewhere() {
    static const QRegularExpression link("href=\"#([^\"]+)\"");
    const QString page = BuiltPage();
    for (const QRegularExpressionMatch& match : link.globalMatch(page)) {
      const QString target = match.captured(1);
      QVERIFY2(page.contains(" id=\"" + target + "\""), qPrintable(target));
    }
  }

  void formulasGiveWhatHandWorkingGives_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("expected");
    // 46,47 % at 53,39° between holes at 30° and 60°: sin 30° = 0,5,
    // sin 6,61° = 0,11511, sin 23,39° = 0,39699.
    // W1 = 46,47 * 0,11511 / 0,5 = 10,698
    QTest::newRow("split, hole before") << "split" << 2 << 2 << "10,70";
    // W2 = 46,47 * 0,39699 / 0,5 = 36,896
    QTest::newRow("split, hole after") << "split" << 3 << 2 << "36,90";
    // 1200 kg on 2 bearings: 1200 * 9,81 / 2 = 5886 N, 10 % of it 588,6 N.
    // w = 2980 * 2 pi / 60 = 312,065 rad/s; r w^2 = 0,3 * 97384,5 = 29215 N/kg.
    // m = 588,6 / 29215 = 0,020147 kg
    QTest::newRow("trial weight at 10 %") << "trial" << 2 << 2 << "20,1";
    // G 2,5 for 1200 kg at 2980 rpm: 9549 * 2,5 * 1200 / 2980 = 9613,09 g mm
    QTest::newRow("tolerance G 2,5") << "grades" << 2 << 2 << "9613";
    // 132,42 % at 23,24° plus 100 % at 180°: cos 23,24° = 0,91886,
    // sin 23,24° = 0,39458; x = 121,675 - 100 = 21,675, y = 52,251;
    // sqrt(21,675^2 + 52,251^2) = 56,568 at atan(52,251 / 21,675) = 67,470°
    QTest::newRow("combined, mass") << "combine" << 3 << 2 << "56,57";
    QTest::newRow("combined, angle") << "combine" << 3 << 1 << "67,47";
    // 10° off: 2 sin 5° = 2 * 0,087156 = 0,17431, of 46,47 % it is 8,100 %
    QTest::newRow("angle error, share left") << "tolerance" << 2 << 1 << "17";
    QTest::newRow("angle error, plane 1") << "tolerance" << 2 << 2 << "8,10";
    // 0,9 U_per at 0,25 L from A: (1 - 0,25) * 0,9 = 0,675 on A
    QTest::newRow("lever rule") << "lever" << 1 << 2 << "0,675 U<sub>per</sub>";
    // Half of G 2,5's 9613 g mm on each bearing: 4806,5
    QTest::newRow("tolerance per bearing") << "grades" << 2 << 4 << "4807";
    // Check run 0,87 at 292° plus Run1 4,9 at 114° minus Run0 7,2 at 238°:
    // x = 0,32591 - 1,99301 + 3,81542 = 2,14832,
    // y = -0,80665 + 4,47637 + 6,10595 = 9,77567;
    // sqrt(2,14832^2 + 9,77567^2) = 10,009 at atan(9,77567 / 2,14832) = 77,6°
    QTest::newRow("trim, Run1 at sensor 1") << "trim" << 2 << 1 << "10,01 at 78°";
  }
  void formulasGiveWhatHandWorkingGives() {
    QFETCH(QString, table);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, expected);
    QCOMPARE(Cell(table, row, column), expected);
  }
};

QTEST_MAIN(HelpPageTest)
#include "help_page_test.moc"
