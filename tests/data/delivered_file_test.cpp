#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "app/module1.h"
#include "delivered_store.h"

namespace dorix {
namespace {

using testing_support::DeliveredCurves;
using testing_support::DeliveredFileTest;
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

using DeliveredFile = DeliveredFileTest;

TEST_F(DeliveredFile, HoldsTheSixtyFiveCurvesInFluidAndPropertyOrder) {
  const auto curves = DeliveredCurves();
  ASSERT_EQ(curves.size(), 65U);
  for (std::size_t i = 0; i < curves.size(); ++i) {
    EXPECT_EQ(Module1.Store.PropName[i + 1], curves[i].name) << "slot " << i + 1;
  }
  EXPECT_TRUE(Module1.Store.PropName[66].empty());
  EXPECT_EQ(Module1.Store.PropCount[66], 0);
}

TEST_F(DeliveredFile, EveryCurveHasFourToTwoHundredStrictlyIncreasingPoints) {
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
TEST_F(DeliveredFile, CoversTheRangesItsReadmeStates) {
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

// The fluid window shows one range per column, so the curves of a column
// must agree on it.
TEST_F(DeliveredFile, CurvesOfOneColumnShareOneRange) {
  const std::vector<std::vector<std::string>> columns = {
      {"rol", "mul", "kl", "prl"},
      {"muv", "kv", "cpv"},
  };
  for (const char* prefix : {"wat", "nh3", "n2", "hg", "fre22", "fr134a"}) {
    for (const auto& column : columns) {
      const std::string first = prefix + column[0];
      for (const auto& suffix : column) {
        const std::string name = prefix + suffix;
        if (name == "hgcpv") continue;
        EXPECT_EQ(PointX(name, 1), PointX(first, 1)) << name;
        EXPECT_EQ(PointX(name, PointCount(name)), PointX(first, PointCount(first))) << name;
      }
    }
  }
}

// A condensation run looks up hfg at the saturation temperature of the
// given pressure: every temperature tsat gives lies on the hfg curve.
TEST_F(DeliveredFile, EnthalpyOfVaporizationCoversEverySaturationTemperature) {
  for (const char* prefix : {"wat", "nh3", "n2", "hg", "fre22", "fr134a"}) {
    const std::string tsat = std::string(prefix) + "tsat";
    const std::string hfg = std::string(prefix) + "hfg";
    EXPECT_LE(PointX(hfg, 1), PointY(tsat, 1)) << prefix;
    EXPECT_GE(PointX(hfg, PointCount(hfg)), PointY(tsat, PointCount(tsat))) << prefix;
  }
}

}  // namespace
}  // namespace dorix
