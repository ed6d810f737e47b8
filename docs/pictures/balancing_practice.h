#pragma once

namespace balance3::help {

// The rotor the help page sizes its trial weight and its tolerance for: a
// shaft on two bearings that share its weight equally.
struct ExampleRotor {
  double massKg = 0.0;
  double rpm = 0.0;
  double radiusMm = 0.0;  // where the trial weight goes
  int bearings = 2;
};

// w in rad/s.
double AngularSpeed(double rpm);

// Static load on one bearing, in newtons.
double BearingLoad(const ExampleRotor& rotor);

// The centrifugal force F = m r w^2 of `grams` at the rotor's radius and
// speed, in newtons.
double CentrifugalForce(const ExampleRotor& rotor, double grams);

// The trial mass, in grams, whose centrifugal force is `share` (0.05 for
// 5 %) of the static load on one bearing: m = share * load / (r w^2).
double TrialMassGrams(const ExampleRotor& rotor, double share);

// Permissible residual unbalance of balance quality grade `grade` (mm/s) for
// a rotor of `massKg` at `rpm`, in g*mm: U = 9549 * G * m / n, where 9549 is
// 1000 * 60 / (2 pi) rounded as the grade tables round it.
double PermissibleUnbalance(double grade, double massKg, double rpm);

// The share of U_per that ISO 21940-11 allocates to bearing A, by the lever
// rule from the centre of mass's place on the span (0 at A, 1 at B), kept
// within 0.3 to 0.7 as the standard bounds it.
double BearingAllocation(double centreOfMass);

// The share of a correction plane's unbalance that bearing A carries, by the
// lever rule, the plane at `planeAt` of the span from A (0 at A, 1 at B).
double OnBearingA(double planeAt);

// What is left of a plane's correction fitted `degrees` off its angle, as a
// share of it: |1 - e^(i d)| = 2 sin(d / 2).
double LeftByAngleError(double degrees);

// A mass fitted at another radius with the same effect: the unbalance m r
// stays, so m2 = m1 * r1 / r2.
double AtRadius(double mass, double fromRadius, double toRadius);

}  // namespace balance3::help
