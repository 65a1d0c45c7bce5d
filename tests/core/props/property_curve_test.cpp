// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/props/property_curve.h"
#include "core/props/property_file.h"

namespace dorix {
namespace {

// Uneven abscissae, so that no test passes by the symmetry of an even grid.
const std::vector<double> kAbscissae = {300, 304, 311, 315, 322, 330, 333, 341, 350, 352, 360, 371};

std::string Numbers(const std::vector<double>& values) {
  std::string text;
  for (const double v : values) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.9g", v);
    text += (text.empty() ? "" : ",") + std::string(buffer);
  }
  return text;
}

// A record of `count` points of y(x) under the given curve name.
std::string Curve(const std::string& name, int count, const std::function<double(double)>& y,
                  const char* factor = "1") {
  const std::vector<double> x(kAbscissae.begin(), kAbscissae.begin() + count);
  std::vector<double> ys;
  for (const double xi : x) ys.push_back(y(xi));
  return name + "," + std::to_string(count) + "," + factor + "\n" + Numbers(x) + "\n" +
         Numbers(ys) + "\n";
}

double Wavy(double x) {
  return 1000.0 + 40.0 * std::sin(x / 9.0) + std::exp(x / 60.0);
}

// Lookups of fluid 1's liquid density on a store of curves read from text.
class Lookup1 : public ::testing::Test {
 protected:
  // Parses property-file text into the store; the text must be valid.
  void LoadStore(const std::string& text) {
    const LoadResult result = ParsePropertyText(text, "test.dat", store_);
    ASSERT_TRUE(result.ok) << result.message;
  }

  // Abscissa and ordinate j of the curve in slot 1, as stored.
  double StoredX(int j) const { return store_.PropData[1][1][j]; }
  double StoredY(int j) const { return store_.PropData[1][2][j]; }

  // The cubic through stored points s..s+3 at x, by Lagrange's form in long double.
  double CubicThrough(int s, double x) const {
    long double sum = 0;
    for (int i = s; i < s + 4; ++i) {
      long double term = StoredY(i);
      for (int k = s; k < s + 4; ++k) {
        if (k != i) term *= (x - static_cast<long double>(StoredX(k))) / (StoredX(i) - StoredX(k));
      }
      sum += term;
    }
    return static_cast<double>(sum);
  }

  std::optional<double> Lookup(double x) const {
    return LookUpProperty(store_, 1, kLiquidDensity, x);
  }

  PropertyStore store_;
};

// Every table point and the cubic between them: WindowChoice below. Flat
// within 1 % margins, no value beyond them.
TEST_F(Lookup1, ContinuesFlatWithinOnePercentMargins) {
  LoadStore(Curve("watrol", 12, Wavy));
  const double lo = 0.99 * StoredX(1);
  const double hi = 1.01 * StoredX(12);
  for (const double x : {lo, StoredX(1) - 1.0, StoredX(1)}) EXPECT_EQ(Lookup(x), StoredY(1));
  for (const double x : {hi, StoredX(12) + 1.0, StoredX(12)}) EXPECT_EQ(Lookup(x), StoredY(12));
  for (const double x : {std::nextafter(lo, 0.0), std::nextafter(hi, 1e9), -1.0, std::nan("")}) {
    EXPECT_EQ(Lookup(x), std::nullopt) << "x = " << x;
  }
}

// Mercury's vapour cp is a constant without a curve or a range test.
TEST_F(Lookup1, UnknownCurvesHaveNoValueAndMercuryCpvIsConstant) {
  LoadStore(Curve("watrol", 12, Wavy));
  const int unknown[][2] = {{1, 2}, {0, 1}, {7, 1}, {1, 0}, {1, 12}, {4, 12}};
  for (const auto& [fluid, code] : unknown) {
    EXPECT_EQ(LookUpProperty(store_, fluid, code, 320.0), std::nullopt)
        << "fluid " << fluid << " code " << code;
  }
  for (const double x : {-1e9, 0.0, 650.0, 1e9}) {
    EXPECT_EQ(LookUpProperty(store_, 4, kVaporSpecificHeat, x), 104.0);
  }
}

TEST_F(Lookup1, ReadsTheFirstCurveOfTheName) {
  LoadStore(Curve("nh3kl", 5, Wavy) + Curve("watrol", 6, Wavy, "2") +
            Curve("watrol", 7, Wavy, "3"));
  EXPECT_EQ(Lookup(300), static_cast<float>(2 * static_cast<float>(Wavy(300))));
}

// Which four points serve an argument: windows 1-4, 4-7, 7-10, … and finally
// the last four; a border point belongs to the later window.
struct WindowCase {
  int count;     // points of the curve
  int from;      // the argument lies in [X(from), X(from + 1))
  int expected;  // first point of the window used
};

class WindowChoice : public Lookup1, public testing::WithParamInterface<WindowCase> {};

TEST_P(WindowChoice, UsesTheCubicOfItsWindow) {
  const auto [count, from, expected] = GetParam();
  LoadStore(Curve("watrol", count, Wavy));
  for (const double t : {0.0, 0.3, 0.8}) {
    const double x = StoredX(from) + t * (StoredX(from + 1) - StoredX(from));
    const double want = CubicThrough(expected, x);
    EXPECT_NEAR(Lookup(x).value(), want, 1e-9 * want) << "x = " << x;
    // Between table points, every other window gives a visibly different value.
    for (int other = std::max(1, from - 2); t > 0 && other <= std::min(from, count - 3); ++other) {
      if (other != expected) {
        EXPECT_GT(std::fabs(CubicThrough(other, x) - want), 1e-7 * want) << "window " << other;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Curves, WindowChoice,
    testing::Values(WindowCase{4, 1, 1}, WindowCase{4, 3, 1}, WindowCase{7, 3, 1},
                    WindowCase{7, 4, 4}, WindowCase{7, 6, 4}, WindowCase{8, 1, 1},
                    WindowCase{8, 4, 4}, WindowCase{8, 6, 4}, WindowCase{8, 7, 5},
                    WindowCase{9, 7, 6}, WindowCase{9, 8, 6}, WindowCase{10, 7, 7},
                    WindowCase{10, 9, 7}, WindowCase{12, 10, 9}, WindowCase{12, 11, 9}));

TEST(SolveLinear, PivotsOnTheLargestMagnitude) {
  // A zero leading pivot forces a row exchange; the solution is exact.
  LinearMatrix a{};
  LinearVector b{};
  LinearVector c{};
  const double rows[4][4] = {{0, 1, 2, 3}, {1, 0, 1, 0}, {4, 1, 0, 1}, {1, 1, 1, 1}};
  const double solution[4] = {1, -2, 3, -4};
  for (int i = 1; i <= 4; ++i) {
    for (int j = 1; j <= 4; ++j) {
      a[i][j] = rows[i - 1][j - 1];
      b[i] += a[i][j] * solution[j - 1];
    }
  }
  SolveLinear(a, b, c, 4);
  for (int i = 1; i <= 4; ++i) EXPECT_NEAR(c[i], solution[i - 1], 1e-12);
}

}  // namespace
}  // namespace dorix
