// SPDX-License-Identifier: MIT
// The rows are the core's profile CSV (profile_csv_test); the option spaces
// the points, adds the dry-out note on standard error and the tube-by-tube
// form. Its refusals and usage errors: run_calc_test.
#include <gtest/gtest.h>

#include "calc_runner.h"

namespace dorix {
namespace {

using test::Lines;
using test::Number;
using test::RunCalc;

// One run per wall problem, with the regime the profile ends in.
class WallProfileOption : public testing::TestWithParam<std::pair<std::string, std::string>> {};

TEST_P(WallProfileOption, PrintsCountEvenPointsEndingAtTheReport) {
  const auto& [problem, endRegime] = GetParam();
  const test::CalcRun run = RunCalc({problem, "--profile", "11"});
  EXPECT_EQ(run.err, "");
  const auto rows = test::CsvRows(run.out);
  ASSERT_EQ(rows.size(), 11u) << run.out;
  const double L = Number(rows.back().at("x"));
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_NEAR(Number(rows[i].at("x")), L * i / 10, L * 1e-15) << i;
  }
  EXPECT_EQ(Number(rows.back().at("reynolds_number")),
            test::Json({problem})["results"]["reynolds_number"].get<double>());
  EXPECT_EQ(rows.back().at("regime"), endRegime);
}

INSTANTIATE_TEST_SUITE_P(Walls, WallProfileOption,
                         testing::Values(std::pair("cvw", "wavy-laminar"),
                                         std::pair("evw", "turbulent")));

TEST(ProfileOption, NotesADryOutAndPrintsARowTubeByTube) {
  const test::CalcRun dry = RunCalc({"evw", "--length", "5", "--profile", "6"});
  ASSERT_EQ(dry.status, 0);
  EXPECT_TRUE(dry.err.starts_with("dorix-calc: note: the film dries out at x = 3.77")) << dry.err;
  const test::CalcRun tubes = RunCalc({"ht", "--tubes", "2.5", "--profile", "100"});
  ASSERT_EQ(tubes.status, 0) << tubes.err;
  EXPECT_EQ(Lines(tubes.out).size(), 4u);
}

}  // namespace
}  // namespace dorix
