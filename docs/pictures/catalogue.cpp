#include "catalogue.h"

#include <QPainter>
#include <cmath>
#include <string>

#include "Palette.h"
#include "painters.h"

namespace balance3::help {

namespace {
// Twelve holes every 30°: a usual ring of balancing holes, and wide enough
// apart that the split is worth working out.
constexpr int kHolePitch = 30;
// A two-pole motor's rotor, long and slender enough to run above 70 % of
// its first bending critical speed: the kind of rotor that needs three planes.
constexpr ExampleRotor kRotor = {1200.0, 2980.0, 300.0, 2};
// The share of the bearing load a trial weight's force should stay within.
constexpr double kTrialShares[] = {0.05, 0.10};
// A trial weight between the two, and a radius to fit a correction at.
constexpr double kTrialGrams = 15.0;
constexpr double kFitRadius = 250.0;
// Grades for turbines and fast motors, and the ones either side of them.
constexpr double kGrades[] = {6.3, 2.5, 1.0};
// A symmetric rotor's centre of mass, mid-span: each bearing gets half.
constexpr double kMidSpan = 0.5;
// A residual of 0.9 U_per in a plane at a quarter of the span: below U_per,
// yet over the share of the bearing beside it.
constexpr double kLeverResidual = 0.9;
constexpr double kLeverPlaneAt = 0.25;
// Angle errors a fitter can make by eye and with a protractor.
constexpr double kAngleErrors[] = {5.0, 10.0};

double Rounded(double value, int decimals) {
  const double scale = std::pow(10.0, decimals);
  return std::round(value * scale) / scale;
}

// How far plane 2's trial weight moved each reading: Run2 minus Run0.
std::array<double, kPlanes> Plane2Moved() {
  const Readings job = ExampleReadings();
  std::array<double, kPlanes> moved{};
  for (int sensor = 0; sensor < kPlanes; ++sensor) {
    moved[sensor] = Rounded(Difference(job[sensor][2], job[sensor][0]).mass, 2);
  }
  return moved;
}

void SizeForRotor(PageFacts& facts) {
  facts.rotor = kRotor;
  facts.omega = Rounded(AngularSpeed(kRotor.rpm), 1);
  facts.load = Rounded(BearingLoad(kRotor), 0);
  for (std::size_t i = 0; i < facts.trial.size(); ++i) {
    const double share = kTrialShares[i];
    facts.trial[i] = {share, Rounded(share * facts.load, 1),
                      Rounded(TrialMassGrams(kRotor, share), 1)};
  }
  for (std::size_t i = 0; i < facts.tolerances.size(); ++i) {
    const double unbalance = Rounded(PermissibleUnbalance(kGrades[i], kRotor.massKg, kRotor.rpm), 0);
    facts.tolerances[i] = {kGrades[i], unbalance, Rounded(unbalance / kRotor.radiusMm, 1),
                           Rounded(unbalance * BearingAllocation(kMidSpan), 0)};
  }
  facts.lever = {kLeverResidual, kLeverPlaneAt, kLeverResidual * OnBearingA(kLeverPlaneAt),
                 BearingAllocation(kMidSpan)};
}

}  // namespace

PageFacts Facts() {
  PageFacts facts;
  const Corrections worked = WorkedExample();
  for (int plane = 0; plane < kPlanes; ++plane) {
    facts.example[plane] = {Rounded(worked[plane].mass, 2), Rounded(worked[plane].angle, 2)};
    facts.grams[plane] = Rounded(facts.example[plane].mass / 100.0 * kTrialGrams, 2);
  }
  facts.holePitch = kHolePitch;
  facts.split = SplitBetweenHoles(facts.example[0], kHolePitch);
  facts.plane2Moved = Plane2Moved();
  facts.trialGrams = kTrialGrams;
  facts.fitRadius = kFitRadius;
  facts.gramsAtFit = Rounded(AtRadius(facts.grams[0], kRotor.radiusMm, kFitRadius), 2);
  // The trial weight left on is 100 % at 0°: taking it off adds it at 180°.
  facts.leftOn = Combine(facts.example[2], {100.0, 180.0});
  SizeForRotor(facts);
  for (std::size_t i = 0; i < facts.angleErrors.size(); ++i) {
    facts.angleErrors[i] = {kAngleErrors[i], LeftByAngleError(kAngleErrors[i])};
  }
  facts.trim = Trim(facts.example);
  facts.repeat = RepeatedRun0();
  return facts;
}

QString TypedReading(int sensor, int run, Quantity quantity) {
  return QString::fromStdU16String(
      std::u16string(kDefaultTexts[FieldIndex({sensor, run, quantity})]));
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
  image.fill(palette::kHelpPage.background);  // the page they sit on
  QPainter p(&image);
  p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
  picture.paint(p, facts);
  return image;
}

}  // namespace balance3::help
