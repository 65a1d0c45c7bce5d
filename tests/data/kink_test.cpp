// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "core/props/property_curve.h"
#include "delivered_store.h"

namespace dorix {
namespace {

using testing_support::DeliveredStore;
using testing_support::PointCount;
using testing_support::PointX;
using testing_support::ReferenceRow;
using testing_support::ReferenceRows;

// A vapour curve of a fluid: fluid number and property code.
using VaporCurve = std::pair<int, int>;

// The vapour curves are saturated vapour below the normal boiling point and
// vapour at 1 atm above it, so their slope changes there. No cubic of the
// lookup may reach across that point. Mercury's vapour curves start above
// its boiling point and CO2's all lie above its triple-point pressure of
// 5.2 bar: neither has a kink.
class VaporKink : public ::testing::TestWithParam<VaporCurve> {
 protected:
  int Fluid() const { return GetParam().first; }
  int Code() const { return GetParam().second; }
  std::string Curve() const { return CurveName(Fluid(), Code()); }

  double BoilingPoint() const {
    for (const ReferenceRow& row : ReferenceRows(CurveName(Fluid(), kSaturationTemperature))) {
      if (row.x == 101325.0) return row.y;
    }
    ADD_FAILURE() << CurveName(Fluid(), kSaturationTemperature) << " has no row at 101325 Pa";
    return 0.0;
  }

  // The point at the boiling point, or 0.
  int KinkPoint() const {
    const float boilingPoint = static_cast<float>(BoilingPoint());
    for (int j = 1; j <= PointCount(Curve()); ++j) {
      if (PointX(Curve(), j) == boilingPoint) return j;
    }
    return 0;
  }

  std::vector<double> Values(const std::vector<double>& xs) const {
    const CurveView curve{points_[1].data(), points_[2].data(), PointCount(Curve())};
    std::vector<double> values;
    for (const double x : xs) values.push_back(EvaluateCurve(curve, x).value_or(NAN));
    return values;
  }

  // Scales the ordinates of points from..to, as if the curve had another
  // shape there.
  void Disturb(int from, int to) {
    for (int j = from; j <= to; ++j) points_[2][j] *= 1.5F;
  }

  // The curve's points, to disturb.
  CurvePoints points_ = DeliveredStore().PropData[DeliveredStore().FindCurve(Curve())];
};

TEST_P(VaporKink, TheBoilingPointIsACurvePoint) {
  EXPECT_GT(KinkPoint(), 1) << Curve();
  EXPECT_LT(KinkPoint(), PointCount(Curve())) << Curve();
}

TEST_P(VaporKink, ValuesAboveTheBoilingPointUseNoPointBelowIt) {
  const int k = KinkPoint();
  ASSERT_GT(k, 1);
  std::vector<double> xs;
  const int last = std::min(k + 6, PointCount(Curve()));
  for (double x = PointX(Curve(), k); x < PointX(Curve(), last); x += 0.25) xs.push_back(x);
  const auto before = Values(xs);
  Disturb(1, k - 1);
  EXPECT_EQ(Values(xs), before);
}

TEST_P(VaporKink, ValuesBelowTheBoilingPointUseNoPointAboveIt) {
  const int k = KinkPoint();
  ASSERT_GT(k, 1);
  std::vector<double> xs;
  for (double x = PointX(Curve(), 1); x < PointX(Curve(), k); x += 0.25) xs.push_back(x);
  const auto before = Values(xs);
  Disturb(k + 1, PointCount(Curve()));
  EXPECT_EQ(Values(xs), before);
}

std::vector<VaporCurve> KinkedCurves() {
  std::vector<VaporCurve> curves;
  for (const int fluid : {1, 2, 3, 5, 6, 7, 8, 9, 10, 11}) {
    for (const int code : {kVaporViscosity, kVaporConductivity, kVaporSpecificHeat}) {
      curves.emplace_back(fluid, code);
    }
  }
  return curves;
}

INSTANTIATE_TEST_SUITE_P(DeliveredFile, VaporKink, ::testing::ValuesIn(KinkedCurves()),
                         [](const ::testing::TestParamInfo<VaporCurve>& info) {
                           return CurveName(info.param.first, info.param.second);
                         });

}  // namespace
}  // namespace dorix
