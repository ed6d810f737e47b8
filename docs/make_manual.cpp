// Builds the PDF manual: the manual's own chapters with the built help page's
// body set in at the <!--HELP--> mark, so the two documents never drift apart,
// and the page's pictures painted again at print resolution.
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextDocument>
#include <QTextFrame>
#include <QUrl>
#include <cstdio>
#include <exception>

#include "catalogue.h"
#include "manual_pages.h"
#include "page_files.h"

namespace {

using namespace balance3::help;

// 300 dots per inch on paper, where a page pixel is 1/96 inch.
constexpr double kPrintScale = 300.0 / 96.0;

QString Body(const QString& html) {
  static const QRegularExpression body("<body[^>]*>(.*)</body>",
                                       QRegularExpression::DotMatchesEverythingOption);
  const auto match = body.match(html);
  return match.hasMatch() ? match.captured(1) : QString();
}

QString HelpChapter(const QString& page) {
  // The help page's own title, its contents line and what it says of the
  // help window itself are for the screen.
  QString help = Body(page);
  help.remove(QRegularExpression(
      "<h1>.*</h1>|<p><b>Contents:</b>.*?</p>|<p class=\"screen\">.*?</p>",
      QRegularExpression::DotMatchesEverythingOption));
  // In the manual the help page is one chapter: its headings move down a level.
  help.replace("<h3", "<h4").replace("</h3>", "</h4>");
  help.replace("<h2", "<h3").replace("</h2>", "</h3>");
  return help;
}

// The HTML reader drops a table's bottom margin, and the heading after a
// table then touches it.
void SpaceBelowTables(QTextDocument& document) {
  for (QTextFrame* table : document.rootFrame()->childFrames()) {
    QTextFrameFormat format = table->frameFormat();
    format.setBottomMargin(12);
    table->setFrameFormat(format);
  }
}

void AddPictures(QTextDocument& document) {
  const PageFacts facts = Facts();
  for (const Picture& picture : kPictures) {
    document.addResource(QTextDocument::ImageResource, QUrl(QString(picture.name) + ".png"),
                         Render(picture, facts, kPrintScale));
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  if (argc != 4) {
    std::fprintf(stderr, "usage: make_manual MANUAL.html HELP.html OUT.pdf\n");
    return 2;
  }
  try {
    const QString manual = ReadText(argv[1]);
    const QString help = HelpChapter(ReadText(argv[2]));
    if (help.isEmpty() || !manual.contains("<!--HELP-->")) {
      throw std::runtime_error("no help page body, or no <!--HELP--> mark in the manual");
    }

    QPdfWriter writer(argv[3]);
    writer.setTitle("Balancing calculator for 3 planes of correction: manual");
    writer.setCreator("balance3");
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    QTextDocument document;
    AddPictures(document);
    document.setHtml(QString(manual).replace("<!--HELP-->",
                                             "<h2>2. Using the calculator</h2>" + help));
    SpaceBelowTables(document);
    PrintKeptTogether(document, writer);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "make_manual: %s\n", error.what());
    return 1;
  }
  return 0;
}
