#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace balance3 {

inline constexpr int kPlanes = 3;  // also the number of sensors and trial runs
inline constexpr int kRuns = 4;    // run 0 is the initial run
inline constexpr int kFieldCount = 2 * kPlanes * kRuns;

// The numbers of one balancing job. Indices are zero-based: V[s][r] is sensor
// s + 1 in run r. Phases are in radians.
struct MeasurementSet {
  double V[kPlanes][kRuns] = {};
  double F[kPlanes][kRuns] = {};
  double TrialRef[kPlanes] = {};
};

enum class OnUnreadable { Stop, GoOn };

struct FieldSpec {
  const char* name;  // objectName of the edit field
  int sensor;        // zero-based
  int run;
  bool phase;
  const char* unreadableMessage;  // the negative message adds " !!!"
  OnUnreadable onUnreadable;
};

// The 24 fields in the order they are read and reported.
extern const std::array<FieldSpec, kFieldCount> kFields;

using FieldTexts = std::array<std::u16string_view, kFieldCount>;
using WarningCallback = std::function<void(const std::string& message)>;

// Reads the fields into `set`, reporting each unreadable or negative value
// through `warn` before the next field is read. Returns true only when all 24
// values were accepted.
bool ReadMeasurements(const FieldTexts& texts,
                      std::u16string_view decimalSeparator,
                      MeasurementSet& set, const WarningCallback& warn);

}  // namespace balance3
