#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "app/module1.h"
#include "delivered_store.h"
#include "props/get_property.h"

namespace dorix {
namespace {

using testing_support::DeliveredFileTest;
using testing_support::PointCount;
using testing_support::PointX;
using testing_support::ReferenceRow;
using testing_support::ReferenceRows;

// The vapour curves are saturated vapour below the normal boiling point and
// vapour at 1 atm above it, so their slope changes there. No cubic of the
// lookup may reach across that point.
class VaporKink : public DeliveredFileTest, public ::testing::WithParamInterface<int> {
 protected:
  static double BoilingPoint() {
    for (const ReferenceRow& row : ReferenceRows("wattsat")) {
      if (row.x == 101325.0) return row.y;
    }
    ADD_FAILURE() << "wattsat has no row at 101325 Pa";
    return 0.0;
  }

  std::string Curve() const { return CurveName(1, GetParam()); }

  // The point at the boiling point, or 0.
  int KinkPoint() const {
    const float boilingPoint = static_cast<float>(BoilingPoint());
    for (int j = 1; j <= PointCount(Curve()); ++j) {
      if (PointX(Curve(), j) == boilingPoint) return j;
    }
    return 0;
  }

  std::vector<double> Values(const std::vector<double>& xs) const {
    std::vector<double> values;
    for (const double x : xs) {
      double value = NAN;
      GetProperty(1, GetParam(), x, value);
      values.push_back(value);
    }
    return values;
  }

  // Scales the ordinates of points from..to, as if the curve had another
  // shape there.
  void Disturb(int from, int to) const {
    auto& curve = Module1.Store.PropData[Module1.Store.FindCurve(Curve())];
    for (int j = from; j <= to; ++j) curve[2][j] *= 1.5F;
  }
};

TEST_P(VaporKink, TheBoilingPointIsACurvePoint) {
  EXPECT_GT(KinkPoint(), 1) << Curve();
}

TEST_P(VaporKink, ValuesAboveTheBoilingPointUseNoPointBelowIt) {
  const int k = KinkPoint();
  ASSERT_GT(k, 1);
  std::vector<double> xs;
  for (double x = PointX(Curve(), k); x < PointX(Curve(), k + 6); x += 0.25) xs.push_back(x);
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

// At the boiling point itself the curve carries the vapour's value, close
// to the saturated vapour one kelvin below, not the liquid's.
TEST_P(VaporKink, TheBoilingPointCarriesTheVaporValue) {
  double below = 0.0;
  for (const ReferenceRow& row : ReferenceRows(Curve())) {
    if (row.x == 373.0) below = row.y;
  }
  double value = NAN;
  GetProperty(1, GetParam(), BoilingPoint(), value);
  EXPECT_NEAR(value / below, 1.0, 2e-3) << Curve();
}

INSTANTIATE_TEST_SUITE_P(DeliveredFile, VaporKink,
                         ::testing::Values(kVaporViscosity, kVaporConductivity, kVaporSpecificHeat),
                         [](const ::testing::TestParamInfo<int>& info) {
                           return CurveName(1, info.param);
                         });

}  // namespace
}  // namespace dorix
