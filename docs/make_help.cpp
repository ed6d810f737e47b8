// Builds the help page and its pictures: the page's numbers and the pictures
// that show them come from the calculation, at build time, so they are always
// what F9 shows; each picture is written at 1x and at 2x for high-density
// screens.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <exception>

#include "catalogue.h"
#include "page_files.h"
#include "page_marks.h"

namespace {

using namespace balance3::help;

void SavePictures(const PageFacts& facts, const QString& dir) {
  for (const Picture& picture : kPictures) {
    for (int scale : {1, 2}) {
      const QString path = QString("%1/%2%3.png")
                               .arg(dir, picture.name, scale == 1 ? "" : QString("@%1x").arg(scale));
      if (!Render(picture, facts, scale).save(path)) {
        throw std::runtime_error("cannot write " + path.toStdString());
      }
    }
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_help SOURCE.html OUTDIR\n");
    return 2;
  }
  try {
    const QString dir = QString::fromLocal8Bit(argv[2]);
    if (!QDir().mkpath(dir)) throw std::runtime_error("cannot make " + dir.toStdString());
    const PageFacts facts = Facts();
    SavePictures(facts, dir);
    WriteText(dir + "/vantrel.html", FillPage(ReadText(QString::fromLocal8Bit(argv[1])), facts));
  } catch (const std::exception& error) {
    std::fprintf(stderr, "make_help: %s\n", error.what());
    return 1;
  }
  return 0;
}
