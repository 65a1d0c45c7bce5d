// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "../solvers/profile_fixture.h"
#include "../solvers/wall_case.h"
#include "core/calc/profile_csv.h"

namespace dorix {
namespace {

using test::ProfileTest;
using test::WallOf;
using test::WallRun;

std::vector<std::vector<std::string>> Rows(const std::string& csv) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream lines(csv);
  std::string line;
  while (std::getline(lines, line)) {
    std::vector<std::string> cells;
    std::istringstream fields(line);
    std::string cell;
    while (std::getline(fields, cell, ',')) cells.push_back(cell);
    if (!line.empty() && line.back() == ',') cells.emplace_back();
    rows.push_back(cells);
  }
  return rows;
}

double Read(const std::string& text) {
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  EXPECT_EQ(*end, '\0') << text;
  return value;
}

TEST_F(ProfileTest, WallCsvHoldsEveryPointAtFullPrecision) {
  const Profile plotted = *WallRun{false, "5"}.Plot(messages, {11, true});
  const WallProfile& profile = std::get<WallProfile>(plotted);
  const auto rows = Rows(ProfileCsv(plotted));
  ASSERT_EQ(rows.size(), profile.points.size() + 1);
  EXPECT_EQ(rows[0], (std::vector<std::string>{"x", "reynolds_number", "heat_transfer_coefficient",
                                               "regime"}));
  EXPECT_EQ(rows[1], (std::vector<std::string>{"0", "0", "", "laminar"}));
  for (std::size_t i = 0; i < profile.points.size(); ++i) {
    const ProfilePoint& point = profile.points[i];
    const auto& row = rows[i + 1];
    ASSERT_EQ(row.size(), 4u);
    EXPECT_EQ(Read(row[0]), point.x);
    EXPECT_EQ(Read(row[1]), point.Re);
    if (point.h) {
      EXPECT_EQ(Read(row[2]), *point.h);
    } else {
      EXPECT_EQ(row[2], "");
    }
    EXPECT_EQ(row[3], ZoneName(point.zone));
  }
  EXPECT_EQ(rows.back()[3], "turbulent");
}

TEST_F(ProfileTest, WallCsvShowsTheDryWallBelowTheDryOutPoint) {
  const auto rows = Rows(ProfileCsv(*WallRun{true, "1.0", "0.001"}.Plot(messages, {5, false})));
  ASSERT_EQ(rows.size(), 6u);
  EXPECT_EQ(rows.back(), (std::vector<std::string>{"1", "0", "", "dry"}));
}

TEST_F(ProfileTest, TubeCsvHasOneLinePerTube) {
  TubeCondensationFields fields;
  fields.numberOfTubes = "2.5";
  const Profile plotted = *ProfileTubeCondensation(fields, messages);
  const TubeProfile& profile = std::get<TubeProfile>(plotted);
  const auto rows = Rows(ProfileCsv(plotted));
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0], (std::vector<std::string>{"tube", "portion", "heat_transfer_coefficient",
                                               "condensation_rate", "reynolds_number"}));
  for (std::size_t i = 0; i < profile.tubes.size(); ++i) {
    const TubeShare& tube = profile.tubes[i];
    const auto& row = rows[i + 1];
    EXPECT_EQ(row[0], std::to_string(i + 1));
    EXPECT_EQ(Read(row[1]), tube.portion);
    EXPECT_EQ(Read(row[2]), tube.h);
    EXPECT_EQ(Read(row[3]), tube.m);
    EXPECT_EQ(Read(row[4]), tube.Re);
  }
  EXPECT_EQ(rows[3][1], "0.5");
}

}  // namespace
}  // namespace dorix
