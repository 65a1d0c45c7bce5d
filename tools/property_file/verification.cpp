// SPDX-License-Identifier: MIT
#include "verification.h"

#include <cmath>
#include <cstdio>

#include "core/props/property_file.h"
#include "core/state/get_property.h"
#include "core/state/module1.h"
#include "node_choice.h"

namespace dorix::tools {

namespace {

CurveCheck CheckCurve(const DeliveredCurve& curve) {
  const PropertyStore& store = Module1.Store;
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
    double value = NAN;
    Module1.OutOfRange = 0;
    GetProperty(curve.fluid, curve.code, row.x, value);
    const double error = Module1.OutOfRange != 0 ? INFINITY : RelativeError(value, row.y, floor);
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
  Module1.Store = std::move(store);
  checks.clear();
  for (const DeliveredCurve& curve : build.curves) {
    checks.push_back(CheckCurve(curve));
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
