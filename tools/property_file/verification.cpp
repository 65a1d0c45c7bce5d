// SPDX-License-Identifier: MIT
#include "verification.h"

#include <cmath>
#include <cstdio>
#include <optional>

#include "core/props/property_curve.h"
#include "core/props/property_file.h"
#include "node_choice.h"

namespace dorix::tools {

namespace {

CurveCheck CheckCurve(const PropertyStore& store, const DeliveredCurve& curve) {
  const int slot = store.FindCurve(curve.name);
  CurveCheck check;
  check.name = curve.name;
  check.points = store.PropCount[slot];
  check.from = store.PropData[slot][1][1];
  check.to = store.PropData[slot][1][check.points];

  int first = -1;
  int last = -1;
  // A row is inside the curve when its abscissa, held in single precision as
  // the curve's points are, lies between the first and the last point: the
  // rows the curve was planned on, its end rows included.
  for (int r = 0; r < static_cast<int>(curve.rows.size()); ++r) {
    const float x = static_cast<float>(curve.rows[r].x);
    if (x < check.from || x > check.to) continue;
    if (first < 0) first = r;
    last = r;
  }
  const double floor = ErrorFloor(curve.rows, first, last);
  for (int r = first; r <= last; ++r) {
    const ReferenceRow& row = curve.rows[r];
    const std::optional<double> value = LookUpProperty(store, curve.fluid, curve.code, row.x);
    const double error = value ? RelativeError(*value, row.y, floor) : INFINITY;
    ++check.rowsChecked;
    if (!(error <= check.largestError)) {
      check.largestError = error;
      check.largestErrorAt = row.x;
    }
  }
  return check;
}

}  // namespace

bool VerifyPropertyFile(const PropertyFileBuild& build, std::vector<CurveCheck>& checks,
                        std::string& error) {
  PropertyStore store;
  LoadResult result = ParsePropertyText(build.text, kPropertyFileName, store);
  if (result.ok) result = CheckRequiredCurves(store, kPropertyFileName);
  if (!result.ok) {
    error = result.message;
    return false;
  }
  checks.clear();
  for (const DeliveredCurve& curve : build.curves) {
    checks.push_back(CheckCurve(store, curve));
    const CurveCheck& check = checks.back();
    if (!(check.largestError <= curve.tolerance)) {
      char message[160];
      std::snprintf(message, sizeof message, "%s misses the tolerance: error %.3g at %.10g",
                    check.name.c_str(), check.largestError, check.largestErrorAt);
      error = message;
      return false;
    }
  }
  return true;
}

}  // namespace dorix::tools
