// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "core/state/get_property.h"
#include "core/state/module1.h"
#include "delivered_store.h"

namespace dorix {
namespace {

using testing_support::CurveId;
using testing_support::DeliveredFileTest;
using testing_support::PointCount;
using testing_support::PointX;
using testing_support::ReferenceRow;
using testing_support::ReferenceRows;

// Every curve reproduces its reference rows to this error, relative to the
// row's value but never to less than 1 % of the curve's largest value; the
// saturation temperature to a few millikelvin.
double Tolerance(int code) {
  return code == kSaturationTemperature ? 1e-5 : 1e-4;
}

class ReferenceAgreement : public DeliveredFileTest,
                           public ::testing::WithParamInterface<CurveId> {};

TEST_P(ReferenceAgreement, EveryReferenceRowInsideTheCurveAgrees) {
  const CurveId& curve = GetParam();
  const double from = PointX(curve.name, 1);
  const double to = PointX(curve.name, PointCount(curve.name));
  std::vector<ReferenceRow> inside;
  double largest = 0.0;
  // Inside: between the end points as the file holds them, in single precision.
  for (const ReferenceRow& row : ReferenceRows(curve.name)) {
    const float x = static_cast<float>(row.x);
    if (x < from || x > to) continue;
    inside.push_back(row);
    largest = std::max(largest, std::abs(row.y));
  }
  ASSERT_GT(inside.size(), static_cast<std::size_t>(PointCount(curve.name)));

  int misses = 0;
  for (const ReferenceRow& row : inside) {
    double value = NAN;
    Module1.OutOfRange = 0;
    GetProperty(curve.fluid, curve.code, row.x, value);
    ASSERT_EQ(Module1.OutOfRange, 0) << curve.name << " at " << row.x;
    const double error = std::abs(value - row.y) / std::max(std::abs(row.y), 0.01 * largest);
    if (error > Tolerance(curve.code) && ++misses <= 5) {
      ADD_FAILURE() << curve.name << " at " << row.x << ": " << value << " against " << row.y
                    << ", relative error " << error;
    }
  }
  EXPECT_EQ(misses, 0) << curve.name << " misses at " << misses << " of " << inside.size()
                       << " rows";
}

INSTANTIATE_TEST_SUITE_P(DeliveredFile, ReferenceAgreement,
                         ::testing::ValuesIn(testing_support::DeliveredCurves()),
                         testing_support::CurveParamName);

}  // namespace
}  // namespace dorix
