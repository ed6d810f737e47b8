// The built help page: each picture was made at both scales and says what it
// shows, the help window shows the one made for the screen's scale, and the
// splitting table's numbers are what the formula gives.
#include <QFile>
#include <QImageReader>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QtMath>

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

double Sin(double degrees) { return qSin(qDegreesToRadians(degrees)); }

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

  void splittingTableFollowsTheFormula() {
    static const QRegularExpression table(R"(<table[^>]*class="split".*?</table>)",
                                          QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression row(R"(<tr><td>.*?</td><td>([^<]*)</td><td>([^<]*)</td></tr>)");
    QList<double> angle, mass;
    for (const QRegularExpressionMatch& cells : row.globalMatch(table.match(BuiltPage()).captured())) {
      angle << cells.captured(1).replace(',', '.').toDouble();
      mass << cells.captured(2).replace(',', '.').toDouble();
    }
    QCOMPARE(angle.size(), 3);  // the weight, then its part in each hole
    const double t = angle[0], a1 = angle[1], a2 = angle[2];
    QVERIFY(a1 < t && t < a2);
    // Each printed number is rounded to a hundredth, and W and t carry theirs in.
    const double w = mass[0], span = Sin(a2 - a1);
    QVERIFY(qAbs(mass[1] - w * Sin(a2 - t) / span) < 0.02);
    QVERIFY(qAbs(mass[2] - w * Sin(t - a1) / span) < 0.02);
  }
};

QTEST_MAIN(HelpPageTest)
#include "help_page_test.moc"
