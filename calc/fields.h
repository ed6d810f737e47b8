#pragma once

#include <array>
#include <string_view>

namespace balance3 {

// Each sensor sits at its own correction plane, so one zero-based index,
// `plane`, names both the sensor and the plane. Run 0 is the initial run; run
// r > 0 carries the trial weight of plane r - 1. Everything that holds one job
// is indexed [plane][run], and the fields are read in that order.
inline constexpr int kPlanes = 3;
inline constexpr int kRuns = 4;
inline constexpr int kFieldCount = 2 * kPlanes * kRuns;

enum class Quantity { Amplitude, Phase };

// The 24 fields are read and reported plane by plane, run by run, amplitude
// before phase; a field's index is its place in that order.
struct FieldPlace {
  int plane;
  int run;
  Quantity quantity;
};

constexpr int FieldIndex(FieldPlace place) {
  return (place.plane * kRuns + place.run) * 2 + static_cast<int>(place.quantity);
}

constexpr FieldPlace FieldAt(int index) {
  return {index / (2 * kRuns), index / 2 % kRuns, static_cast<Quantity>(index % 2)};
}

using FieldTexts = std::array<std::u16string_view, kFieldCount>;

// The readings of a real job whose results are known, in reading order. Here
// rather than in the window because the tests, the benchmark and the help's
// pictures calculate the same job that the window starts with.
inline constexpr FieldTexts kDefaultTexts = {
    u"7,2",  u"238", u"4,9", u"114", u"4,0",  u"79",  u"8,2", u"123",
    u"13,5", u"296", u"9,2", u"347", u"12,0", u"292", u"9,7", u"231",
    u"3,5",  u"128", u"2,7", u"251", u"6,3",  u"396", u"9,5", u"43"};

}  // namespace balance3
