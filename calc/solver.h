#pragma once

#include <optional>

#include "effects.h"
#include "measurement.h"

namespace balance3 {

// A 3x3 determinant in polar form, expanded by Sarrus' rule.
struct PolarDeterminant {
  double Re = 0.0;
  double Im = 0.0;
  double Magnitude = 0.0;
  std::optional<double> Angle;  // none when Re and Im are both exactly zero
  long double termScale = 0.0;  // sum of the six term magnitudes
};

// [row][column] as in the effect matrix: rows are sensors, columns weights.
using PolarMatrix = EffectVector[kPlanes][kPlanes];

PolarDeterminant ComputeDeterminant(const PolarMatrix& m);

// The six results: Mass[plane] in percent of that plane's trial weight,
// Angle[plane] in degrees [0, 360].
inline constexpr int kResultCount = 2 * kPlanes;

struct CorrectionResult {
  double Mass[kPlanes] = {};
  double Angle[kPlanes] = {};
};

enum class SolveStatus { Solved, Singular, OutOfRange };

struct SolveOutcome {
  SolveStatus status = SolveStatus::Singular;
  CorrectionResult result;
};

// Solves a * x = -b for the correction factors by Cramer's rule in polar
// form, where a is the effect matrix and b the initial run.
SolveOutcome SolveCorrection(const EffectMatrix& effects,
                             const MeasurementSet& set);

}  // namespace balance3
