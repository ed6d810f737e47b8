#include "solver.h"

#include <cmath>

#include "polar.h"

namespace balance3 {
namespace {

// Sarrus' six terms: for each, the column taken in rows 0, 1, 2, and its sign.
struct Term {
  int column[kPlanes];
  int sign;
};
constexpr Term kTerms[6] = {
    {{0, 1, 2}, +1}, {{1, 2, 0}, +1}, {{2, 0, 1}, +1},
    {{2, 1, 0}, -1}, {{1, 0, 2}, -1}, {{0, 2, 1}, -1},
};

// Rounding leaves noise of about 1e-16 of the terms in a determinant that is
// exactly zero in theory (two trial runs typed identical, or a numerator whose
// column repeats another). Anything this small relative to its terms is
// treated as zero; real measurements of a nearly singular system stay far
// above it.
constexpr long double kZeroRelative = 1e-12L;

bool IsZero(const PolarDeterminant& d) {
  return !(d.Magnitude > kZeroRelative * d.termScale);
}

bool IsFinite(const PolarDeterminant& d) {
  return std::isfinite(d.Re) && std::isfinite(d.Im) &&
         std::isfinite(d.Magnitude);
}

// The effect matrix with the column of `plane`'s trial weight replaced by -b,
// the initial vibration turned by half a circle.
void NumeratorMatrix(const EffectMatrix& effects, const MeasurementSet& set,
                     int plane, PolarMatrix& m) {
  for (int row = 0; row < kPlanes; ++row) {
    for (int column = 0; column < kPlanes; ++column) {
      m[row][column] = effects.vectors[row][column];
    }
    // The half turn is added in long double; the angle is stored as a double,
    // like every entry of the matrix.
    m[row][plane] = {set.V[row][0], static_cast<double>(set.F[row][0] + kPi)};
  }
}

}  // namespace

PolarDeterminant ComputeDeterminant(const PolarMatrix& m) {
  PolarDeterminant d;
  long double re = 0.0L;
  long double im = 0.0L;
  for (const Term& term : kTerms) {
    long double magnitude = 1.0L;
    long double angle = 0.0L;
    for (int row = 0; row < kPlanes; ++row) {
      magnitude *= m[row][term.column[row]].Magnitude;
      angle += m[row][term.column[row]].Angle;
    }
    // A term's magnitude and angle are stored as doubles before the sine and
    // cosine are taken; the angle goes back to long double only for sinl/cosl.
    const double storedMagnitude = static_cast<double>(magnitude);
    const long double storedAngle = static_cast<double>(angle);
    re += term.sign * (storedMagnitude * std::cos(storedAngle));
    im += term.sign * (storedMagnitude * std::sin(storedAngle));
    d.termScale += storedMagnitude;
  }
  // The parts are stored as doubles, and the magnitude and angle are taken of
  // the stored parts; the magnitude is stored as a double too.
  d.Re = static_cast<double>(re);
  d.Im = static_cast<double>(im);
  d.Magnitude = static_cast<double>(std::sqrt(
      static_cast<long double>(d.Im) * d.Im +
      static_cast<long double>(d.Re) * d.Re));
  d.Angle = PolarAngle(d.Re, d.Im, d.Re, d.Im);
  return d;
}

SolveOutcome SolveCorrection(const EffectMatrix& effects,
                             const MeasurementSet& set) {
  SolveOutcome outcome;
  const PolarDeterminant d = ComputeDeterminant(effects.vectors);
  if (!IsFinite(d)) {
    outcome.status = SolveStatus::OutOfRange;
    return outcome;
  }
  if (IsZero(d)) {
    outcome.status = SolveStatus::Singular;
    return outcome;
  }

  for (int plane = 0; plane < kPlanes; ++plane) {
    PolarMatrix m;
    NumeratorMatrix(effects, set, plane, m);
    const PolarDeterminant dk = ComputeDeterminant(m);
    if (!IsFinite(dk)) {
      outcome.status = SolveStatus::OutOfRange;
      return outcome;
    }
    // A numerator that is zero up to rounding asks for no weight, and a zero
    // weight has no direction: 0 at 0 degrees, not an angle made of noise.
    if (IsZero(dk)) continue;

    const long double mass =
        static_cast<long double>(dk.Magnitude) / d.Magnitude * set.TrialRef[plane];
    outcome.result.Mass[plane] = static_cast<double>(mass);  // results are doubles
    if (!std::isfinite(outcome.result.Mass[plane])) {
      outcome.status = SolveStatus::OutOfRange;
      return outcome;
    }
    // Both determinants are non-zero, so both have an angle.
    long double phi = static_cast<long double>(*dk.Angle) - *d.Angle;
    if (phi < 0) phi += kTwoPi;
    // phi is kept in long double from the difference to the degrees; only
    // the result is rounded.
    outcome.result.Angle[plane] = static_cast<double>(360.0L - phi * kRadiansToDegrees);
  }
  outcome.status = SolveStatus::Solved;
  return outcome;
}

}  // namespace balance3
