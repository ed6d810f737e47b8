// Builds the PDF manual: the manual's own chapters with the help page's body
// set in at the <!--HELP--> mark, so the two documents never drift apart.
#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextDocument>
#include <QTextStream>
#include <cstdio>

namespace {

QString ReadFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

QString Body(const QString& html) {
  static const QRegularExpression body("<body[^>]*>(.*)</body>",
                                       QRegularExpression::DotMatchesEverythingOption);
  const auto match = body.match(html);
  return match.hasMatch() ? match.captured(1) : QString();
}

}  // namespace

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  if (argc != 4) {
    std::fprintf(stderr, "usage: make_manual MANUAL.html HELP.html OUT.pdf\n");
    return 2;
  }
  const QString manual = ReadFile(argv[1]);
  // The help page's own title and contents line are for the screen.
  QString help = Body(ReadFile(argv[2]));
  help.remove(QRegularExpression("<h1>.*</h1>|<p><b>Contents:</b>.*?</p>",
                                 QRegularExpression::DotMatchesEverythingOption));
  // In the manual the help page is one chapter: its headings move down a level.
  help.replace("<h3", "<h4").replace("</h3>", "</h4>");
  help.replace("<h2", "<h3").replace("</h2>", "</h3>");
  if (manual.isEmpty() || help.isEmpty() || !manual.contains("<!--HELP-->")) {
    std::fprintf(stderr, "make_manual: cannot read %s or %s\n", argv[1], argv[2]);
    return 1;
  }

  QPdfWriter writer(argv[3]);
  writer.setTitle("Balancing calculator for 3 planes of correction: manual");
  writer.setCreator("balance3");
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                   QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
  // print() adds margins of its own (2 cm) and the page numbers.
  QTextDocument document;
  document.setHtml(QString(manual).replace("<!--HELP-->", "<h2>2. Using the calculator</h2>" + help));
  document.print(&writer);
  return 0;
}
