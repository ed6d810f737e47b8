#include "catalogue.h"

#include <QPainter>

#include "painters.h"

namespace balance3::help {

namespace {
// Twelve holes every 30°: a usual ring of balancing holes, and wide enough
// apart that the split is worth working out.
constexpr int kHolePitch = 30;
}  // namespace

PageFacts Facts() {
  PageFacts facts;
  facts.example = WorkedExample();
  facts.holePitch = kHolePitch;
  facts.split = SplitBetweenHoles(facts.example[0], kHolePitch);
  return facts;
}

// The sizes fit the help window's page without a sideways scroll bar, and the
// manual's text width (640 pixels of 1/96 inch are 169 mm).
const std::array<Picture, 4> kPictures = {{
    {"help-setup", {640, 232}, PaintSetup},
    {"help-angle", {640, 276}, PaintAngle},
    {"help-split", {640, 290}, PaintSplit},
    {"help-example", {640, 340}, PaintExample},
}};

QImage Render(const Picture& picture, const PageFacts& facts, double scale) {
  QImage image((QSizeF(picture.size) * scale).toSize(), QImage::Format_RGB32);
  image.setDevicePixelRatio(scale);
  image.fill(Qt::white);
  QPainter p(&image);
  p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
  picture.paint(p, facts);
  return image;
}

}  // namespace balance3::help
