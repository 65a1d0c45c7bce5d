// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "delivered_store.h"

namespace dorix {
namespace {

using testing_support::DeliveredCurves;
using testing_support::DeliveredStore;
using testing_support::PointCount;
using testing_support::PointX;
using testing_support::PointY;

std::string FileText(const char* path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::istringstream stream(text);
  for (std::string part; std::getline(stream, part, separator);) parts.push_back(part);
  return parts;
}

TEST(DeliveredFile, HoldsEveryCurveInFluidAndPropertyOrder) {
  const auto curves = DeliveredCurves();
  ASSERT_EQ(curves.size(), 131U);
  for (std::size_t i = 0; i < curves.size(); ++i) {
    EXPECT_EQ(DeliveredStore().PropName[i + 1], curves[i].name) << "slot " << i + 1;
  }
  EXPECT_TRUE(DeliveredStore().PropName[132].empty());
  EXPECT_EQ(DeliveredStore().PropCount[132], 0);
}

TEST(DeliveredFile, EveryCurveHasFourToTwoHundredStrictlyIncreasingPoints) {
  for (const auto& curve : DeliveredCurves()) {
    const int n = PointCount(curve.name);
    EXPECT_GE(n, 4) << curve.name;
    EXPECT_LE(n, 200) << curve.name;
    for (int j = 2; j <= n; ++j) {
      EXPECT_GT(PointX(curve.name, j), PointX(curve.name, j - 1)) << curve.name << " point " << j;
    }
  }
}

// One record on three lines: "name,N,factor", N abscissae, N ordinates.
TEST(DeliveredFileText, EachRecordTakesThreeLines) {
  const auto lines = Split(FileText(DORIX_PROPERTY_FILE), '\n');
  const auto curves = DeliveredCurves();
  ASSERT_EQ(lines.size(), 3 * curves.size());
  for (std::size_t i = 0; i < curves.size(); ++i) {
    const auto header = Split(lines[3 * i], ',');
    ASSERT_EQ(header.size(), 3U) << lines[3 * i];
    EXPECT_EQ(header[0], curves[i].name);
    const std::size_t n = std::stoul(header[1]);
    EXPECT_EQ(Split(lines[3 * i + 1], ',').size(), n) << curves[i].name << " abscissae";
    EXPECT_EQ(Split(lines[3 * i + 2], ',').size(), n) << curves[i].name << " ordinates";
  }
}

// data/README.md lists every curve with its points and range:
// | `name` | points | from | to | ...
TEST(DeliveredFile, CoversTheRangesItsReadmeStates) {
  const std::regex row(R"(^\| `(\w+)` \| (\d+) \| ([0-9.e+-]+) \| ([0-9.e+-]+) \|)");
  std::map<std::string, std::smatch> listed;
  const std::string readme = FileText(DORIX_DATA_README);
  std::vector<std::string> lines = Split(readme, '\n');
  for (const std::string& line : lines) {
    std::smatch match;
    if (std::regex_search(line, match, row)) listed[match[1]] = match;
  }
  for (const auto& curve : DeliveredCurves()) {
    ASSERT_TRUE(listed.contains(curve.name)) << curve.name << " is not in the README";
    const std::smatch& match = listed[curve.name];
    const int n = PointCount(curve.name);
    EXPECT_EQ(std::stoi(match[2]), n) << curve.name;
    EXPECT_LE(PointX(curve.name, 1), std::stof(match[3])) << curve.name;
    EXPECT_GE(PointX(curve.name, n), std::stof(match[4])) << curve.name;
  }
}

// Curves that end short of their reference tables, and how far each reaches
// at least (K, or Pa for tsat). Some enthalpy-of-vaporization curves cannot
// take their last rows: there hfg falls too steeply to zero for 1e-4 over the
// few microkelvin by which a row's abscissa rounds in single precision. The
// saturation temperature stops where hfg ends. Every other curve, liquid
// curves included, runs to the end of its table.
const std::map<std::string, double> kNearCriticalEnds = {
    {"wathfg", 647.04},  {"n2hfg", 126.092},     {"n2tsat", 3347474.5}, {"fre22hfg", 369.195},
    {"r32hfg", 351.155}, {"r1234yfhfg", 367.75}, {"r290hfg", 369.79},   {"co2hfg", 304.0282},
};

// Propane's saturation temperature starts at 1 kPa, not at the triple point
// (1.7e-4 Pa): the ten decades between would take more than 200 points.
const std::map<std::string, double> kLateStarts = {{"r290tsat", 1000.0}};

// Each curve starts on the first row of its reference table and ends on the
// last, except the curves listed above.
TEST(DeliveredFile, EveryCurveRunsOverItsReferenceTable) {
  for (const auto& curve : DeliveredCurves()) {
    const auto rows = testing_support::ReferenceRows(curve.name);
    ASSERT_FALSE(rows.empty()) << curve.name;
    const float last = PointX(curve.name, PointCount(curve.name));
    const auto start = kLateStarts.find(curve.name);
    if (start == kLateStarts.end()) {
      EXPECT_EQ(PointX(curve.name, 1), static_cast<float>(rows.front().x)) << curve.name;
    } else {
      EXPECT_GE(PointX(curve.name, 1), start->second) << curve.name;
      EXPECT_LE(PointX(curve.name, 1), 1.1 * start->second) << curve.name;
    }
    const auto cut = kNearCriticalEnds.find(curve.name);
    if (cut == kNearCriticalEnds.end()) {
      EXPECT_EQ(last, static_cast<float>(rows.back().x)) << curve.name;
    } else {
      EXPECT_GE(last, static_cast<float>(cut->second)) << curve.name;
      EXPECT_LT(last, static_cast<float>(rows.back().x)) << curve.name << " is no longer cut";
    }
  }
}

// Every point is a reference row, and two points are neighbouring rows, with
// no row between them to check the cubic there, only towards the critical
// point, where the rows lie too far apart for the curve's rise or fall: in the
// last 10 K of a temperature table, in the last 15 K of a saturation-
// temperature table, whose rows lie up to 1.5 K apart there (propane's).
TEST(DeliveredFile, PointsAreNeighbouringRowsOnlyTowardsTheCriticalPoint) {
  constexpr double kCriticalStretch = 10.0;            // K
  constexpr double kSaturationCriticalStretch = 15.0;  // K
  for (const auto& curve : DeliveredCurves()) {
    const auto rows = testing_support::ReferenceRows(curve.name);
    std::vector<float> abscissae;
    for (const auto& row : rows) abscissae.push_back(static_cast<float>(row.x));
    std::ptrdiff_t previous = -2;
    for (int j = 1; j <= PointCount(curve.name); ++j) {
      const auto it = std::find(abscissae.begin(), abscissae.end(), PointX(curve.name, j));
      ASSERT_NE(it, abscissae.end()) << curve.name << " point " << j << " is no reference row";
      const std::ptrdiff_t row = it - abscissae.begin();
      if (row == previous + 1) {
        const auto temperature = [&](const auto& r) { return curve.code == 5 ? r.y : r.x; };
        const double stretch = curve.code == 5 ? kSaturationCriticalStretch : kCriticalStretch;
        EXPECT_GE(temperature(rows[previous]), temperature(rows.back()) - stretch)
            << curve.name << " points " << j - 1 << " and " << j;
      }
      previous = row;
    }
  }
}

// A condensation run looks up hfg at the saturation temperature of the
// given pressure: every temperature tsat gives lies on the hfg curve. At the
// low end the lowest pressure's saturation temperature may lie up to 0.1 K
// below hfg's first point, where the lookup's flat continuation is still
// within the tolerance.
TEST(DeliveredFile, EnthalpyOfVaporizationCoversEverySaturationTemperature) {
  for (const char* prefix : {"wat", "nh3", "n2", "hg", "fre22", "fr134a", "r32", "r1234yf",
                             "r1234ze", "r290", "r600a", "co2"}) {
    const std::string tsat = std::string(prefix) + "tsat";
    const std::string hfg = std::string(prefix) + "hfg";
    EXPECT_LE(PointX(hfg, 1), PointY(tsat, 1) + 0.1F) << prefix;
    EXPECT_GE(PointX(hfg, PointCount(hfg)), PointY(tsat, PointCount(tsat))) << prefix;
  }
}

}  // namespace
}  // namespace dorix
