// Renders the program's painted icon as the PNG sizes of the hicolor theme.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

#include "Symbols.h"

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_icons OUTDIR NAME\n");
    return 2;
  }
  const QString root = QString::fromLocal8Bit(argv[1]);
  const QString name = QString::fromLocal8Bit(argv[2]);
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    const QString dir = QString("%1/%2x%2/apps").arg(root).arg(size);
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    balance3::PaintRisingSun(painter, QRectF(0, 0, size, size));
    painter.end();
    if (!QDir().mkpath(dir) || !image.save(dir + "/" + name + ".png")) {
      std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(dir));
      return 1;
    }
  }
  return 0;
}
