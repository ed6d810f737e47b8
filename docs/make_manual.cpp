// Assembles the manual for WeasyPrint, which sets its pages: the manual's own
// chapters with the built help page's body set in at the <!--HELP--> mark, so
// the two documents never drift apart, a contents list made from the headings
// at the <!--CONTENTS--> mark, and the page's pictures painted again at print
// resolution.
#include <QBuffer>
#include <QGuiApplication>
#include <QRegularExpression>
#include <cstdio>
#include <exception>

#include "catalogue.h"
#include "page_files.h"
#include "page_text.h"

namespace {

using namespace balance3::help;

// 300 dots per inch on paper, where a page pixel is 1/96 inch.
constexpr double kPrintScale = 300.0 / 96.0;
constexpr auto kDotAll = QRegularExpression::DotMatchesEverythingOption;

QString Body(const QString& html) {
  static const QRegularExpression body("<body[^>]*>(.*)</body>", kDotAll);
  const auto match = body.match(html);
  return match.hasMatch() ? match.captured(1) : QString();
}

QString HelpChapter(const QString& page) {
  // The help page's own title, its contents line and what it says of the
  // help window itself are for the screen.
  QString help = Body(page);
  help.remove(QRegularExpression(
      "<h1>.*</h1>|<p><b>Contents:</b>.*?</p>|<p class=\"screen\">.*?</p>", kDotAll));
  // In the manual the help page is one chapter: its headings move down a level.
  help.replace("<h3", "<h4").replace("</h3>", "</h4>");
  help.replace("<h2", "<h3").replace("</h2>", "</h3>");
  return help;
}

// A table's first row of headers becomes its head, which the printer repeats
// on every page the table goes on to. A short table is kept whole on one
// page. A long one breaks between rows: kept whole, it would go to the next
// page and leave the heading above it alone at a page's foot.
QString ForPrintTables(const QString& html) {
  constexpr int kWholeRows = 8;
  static const QRegularExpression table(R"((<table[^>]*)>\s*(<tr>\s*<th.*?</tr>)?(.*?)</table>)",
                                        kDotAll);
  return ReplaceEach(html, table, [](const QRegularExpressionMatch& match) {
    const QString head = match.captured(2);
    const QString rows = match.captured(3);
    return match.captured(1) + (rows.count("<tr") <= kWholeRows ? " data-whole>" : ">") +
           (head.isEmpty() ? QString() : "<thead>" + head + "</thead>") + rows + "</table>";
  });
}

// Every chapter (h2) and section (h3) gets an anchor if it has none, and a
// line in the contents, whose page numbers the printer fills in.
QString WithContents(const QString& html) {
  static const QRegularExpression heading(R"(<h([23])([^>]*)>(.*?)</h\1>)", kDotAll);
  static const QRegularExpression anchor(R"re((?:id|name)="([^"]+)")re");
  static const QRegularExpression tag("<[^>]*>");
  QString contents;
  int unnamed = 0;
  QString numbered = ReplaceEach(html, heading, [&](const QRegularExpressionMatch& match) {
    QString whole = match.captured(0);
    const auto named = anchor.match(whole);
    const QString id = named.hasMatch() ? named.captured(1) : QString("part%1").arg(++unnamed);
    if (!named.hasMatch()) whole.insert(3, QString(" id=\"%1\"").arg(id));
    contents += QString("<li class=\"h%1\"><a href=\"#%2\">%3</a></li>")
                    .arg(match.captured(1), id, match.captured(3).remove(tag).simplified());
    return whole;
  });
  return numbered.replace("<!--CONTENTS-->",
                          "<nav class=\"contents\"><h2>Contents</h2><ul>" + contents + "</ul></nav>");
}

// The pictures go into the page itself: WeasyPrint names each picture in the
// PDF after its address, which for a file would be the build folder's path.
QString WithPictures(QString html) {
  const PageFacts facts = Facts();
  for (const Picture& picture : kPictures) {
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    if (!Render(picture, facts, kPrintScale).save(&png, "PNG")) {
      throw std::runtime_error(std::string("cannot paint ") + picture.name);
    }
    html.replace(QString("src=\"%1.png\"").arg(picture.name),
                 "src=\"data:image/png;base64," + png.data().toBase64() + "\"");
  }
  return html;
}

}  // namespace

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  if (argc != 4) {
    std::fprintf(stderr, "usage: make_manual MANUAL.html HELP.html OUT.html\n");
    return 2;
  }
  try {
    const QString manual = ReadText(argv[1]);
    const QString help = HelpChapter(ReadText(argv[2]));
    if (help.isEmpty() || !manual.contains("<!--HELP-->") || !manual.contains("<!--CONTENTS-->")) {
      throw std::runtime_error("no help page body, or a mark missing in the manual");
    }
    const QString chapter = "<h2 id=\"using\">2. Using the calculator</h2>" + help;
    WriteText(argv[3], WithPictures(WithContents(ForPrintTables(
                           QString(manual).replace("<!--HELP-->", chapter)))));
  } catch (const std::exception& error) {
    std::fprintf(stderr, "make_manual: %s\n", error.what());
    return 1;
  }
  return 0;
}
