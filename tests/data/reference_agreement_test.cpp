// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "core/props/property_curve.h"
#include "delivered_store.h"

namespace dorix {
namespace {

using testing_support::CurveId;
using testing_support::DeliveredStore;
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

class ReferenceAgreement : public ::testing::TestWithParam<CurveId> {};

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
    const std::optional<double> value =
        LookUpProperty(DeliveredStore(), curve.fluid, curve.code, row.x);
    ASSERT_TRUE(value.has_value()) << curve.name << " at " << row.x;
    const double error = std::abs(*value - row.y) / std::max(std::abs(row.y), 0.01 * largest);
    if (error > Tolerance(curve.code) && ++misses <= 5) {
      ADD_FAILURE() << curve.name << " at " << row.x << ": " << *value << " against " << row.y
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
