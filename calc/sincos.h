#pragma once

#include <cmath>

namespace balance3 {

// Sine and cosine in extended precision. On x86 the FPU's fsincos gives both
// to within one unit of the 64-bit mantissa for the angles that occur here
// (phases and sums of three of them), several times faster than the library's
// two calls; its argument reduction degrades for large arguments, so those go
// to the library.
inline void SinCos(long double x, long double& sine, long double& cosine) {
#if defined(__x86_64__) || defined(__i386__)
  constexpr long double kFastRange = 64.0L;
  if (std::fabs(x) <= kFastRange) {
    asm("fsincos" : "=t"(cosine), "=u"(sine) : "0"(x));
    return;
  }
#endif
  sine = std::sin(x);
  cosine = std::cos(x);
}

}  // namespace balance3
