#include "core/calc/sweep.h"

#include <cmath>

namespace dorix {

double SweepRange::Value(long i) const {
  if (i == count - 1) return stop;
  if (i == 0) return start;
  const double t = static_cast<double>(i) / static_cast<double>(count - 1);
  if (logarithmic) return start * std::pow(stop / start, t);
  return start + (stop - start) * t;
}

}  // namespace dorix
