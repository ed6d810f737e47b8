#include "balancing_practice.h"

#include <algorithm>
#include <cmath>

#include "polar.h"

namespace balance3::help {

namespace {
constexpr double kGravity = 9.81;  // m/s^2, as bearing loads are usually reckoned
}  // namespace

double AngularSpeed(double rpm) { return rpm * 2.0 * static_cast<double>(kPi) / 60.0; }

double BearingLoad(const ExampleRotor& rotor) {
  return rotor.massKg * kGravity / rotor.bearings;
}

double CentrifugalForce(const ExampleRotor& rotor, double grams) {
  const double omega = AngularSpeed(rotor.rpm);
  return grams / 1000.0 * rotor.radiusMm / 1000.0 * omega * omega;
}

double TrialMassGrams(const ExampleRotor& rotor, double share) {
  // The force of one gram, scaled to the force wanted.
  return share * BearingLoad(rotor) / CentrifugalForce(rotor, 1.0);
}

double PermissibleUnbalance(double grade, double massKg, double rpm) {
  return 9549.0 * grade * massKg / rpm;
}

double BearingAllocation(double centreOfMass) {
  return std::clamp(1.0 - centreOfMass, 0.3, 0.7);
}

double OnBearingA(double planeAt) { return 1.0 - planeAt; }

double LeftByAngleError(double degrees) {
  return 2.0 * std::sin(degrees * kDegreesToRadians / 2.0);
}

double AtRadius(double mass, double fromRadius, double toRadius) {
  return mass * fromRadius / toRadius;
}

}  // namespace balance3::help
