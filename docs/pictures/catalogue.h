#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <array>

#include "balancing_practice.h"
#include "trim_example.h"
#include "weight_split.h"
#include "worked_example.h"

class QPainter;

namespace balance3::help {

// A trial weight's size at one share of the bearing load.
struct TrialSize {
  double share = 0.0;   // of the static load on one bearing
  double force = 0.0;   // N
  double grams = 0.0;
};

// A balance quality grade and what it allows the example rotor.
struct Tolerance {
  double grade = 0.0;      // mm/s
  double unbalance = 0.0;  // g*mm
  double grams = 0.0;      // the same as a mass at the rotor's radius
  double perBearing = 0.0; // g*mm, the share of a symmetric rotor's bearing
};

// A weight fitted off its angle, and the share of it that is then left.
struct AngleError {
  double degrees = 0.0;
  double left = 0.0;
};

// A residual in one plane that looks allowed against the whole U_per but is
// not against the share of the bearing next to it.
struct LeverCase {
  double residual = 0.0;  // of U_per
  double planeAt = 0.0;   // of the span from bearing A
  double onA = 0.0;       // of U_per
  double allowed = 0.0;   // of U_per, bearing A's share on a symmetric rotor
};

// What the help page's pictures and numbers show, worked out once. Every
// number is worked from the ones before it as the page shows them, rounded,
// so that a reader who recomputes one from the page gets what it says.
struct PageFacts {
  Corrections example;  // the worked example, planes 1 to 3, as F9 shows it
  int holePitch = 0;    // degrees between the holes of the splitting example
  SplitWeight split;    // plane 1's weight split between two of those holes
  // How far plane 2's trial run moved the reading at each sensor, as a
  // vector, in the readings' unit.
  std::array<double, kPlanes> plane2Moved{};
  double trialGrams = 0.0;                  // the example's trial weights
  std::array<double, kPlanes> grams{};      // its corrections in grams
  double fitRadius = 0.0;                   // mm: plane 1 fitted nearer the axis
  double gramsAtFit = 0.0;                  // and what it then weighs
  Correction leftOn;  // plane 3's correction with its trial weight left on
  ExampleRotor rotor;  // the trial weights sit at its radius
  double omega = 0.0;  // rad/s
  double load = 0.0;   // N on one bearing
  std::array<TrialSize, 2> trial;  // the smallest and the largest advised
  std::array<Tolerance, 3> tolerances;
  LeverCase lever;
  std::array<AngleError, 2> angleErrors;
  TrimExample trim;      // the worked example's trim by its own trial runs
  RepeatExample repeat;  // and its results from a second Run0
};
PageFacts Facts();

// A reading of the worked example as the calculator's field shows it.
QString TypedReading(int sensor, int run, Quantity quantity);

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
