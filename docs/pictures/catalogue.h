#pragma once

#include <QImage>
#include <QSize>
#include <array>

#include "weight_split.h"
#include "worked_example.h"

class QPainter;

namespace balance3::help {

// What the help page's pictures and numbers show, worked out once.
struct PageFacts {
  Corrections example;  // the worked example, planes 1 to 3
  int holePitch = 0;    // degrees between the holes of the splitting example
  SplitWeight split;    // plane 1's weight split between two of those holes
};
PageFacts Facts();

struct Picture {
  const char* name;  // the file is name.png, and name@2x.png at twice the scale
  QSize size;        // in the page's pixels
  void (*paint)(QPainter& p, const PageFacts& facts);  // into (0, 0, size)
};

// Every picture of the help page.
extern const std::array<Picture, 4> kPictures;

// The picture on white, `scale` image pixels to a page pixel.
QImage Render(const Picture& picture, const PageFacts& facts, double scale);

}  // namespace balance3::help
