// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "calc_runner.h"

namespace dorix {
namespace {

using test::Lines;
using test::RunCalc;
using Args = std::vector<std::string>;

class PresetOption : public testing::TestWithParam<std::string> {};

TEST_P(PresetOption, IsTheNineCoefficientOptionsInOneAndYieldsToThem) {
  const std::string problem = GetParam();
  EXPECT_EQ(RunCalc({problem, "--preset", "kutateladze-labuntsov"}).out,
            RunCalc({problem, "--C", "30", "--v", "0", "--D", "1600", "--w", "0", "--A", "0.759",
                     "--n", "-0.22", "--B", "0.023", "--m", "0.25", "--s", "0.5"})
                .out);
  EXPECT_EQ(RunCalc({problem, "--preset", "default"}).out, RunCalc({problem}).out);
  // Before or after the preset: the explicit option wins either way.
  for (const Args& args : {Args{problem, "--preset", "kutateladze-labuntsov", "--B", "0.03"},
                           Args{problem, "--B", "0.03", "--preset", "kutateladze-labuntsov"}}) {
    const auto json = test::Json(args);
    EXPECT_EQ(json["inputs"]["B"].get<double>(), static_cast<double>(0.03f));
    EXPECT_EQ(json["inputs"]["D"].get<double>(), 1600.0);
    EXPECT_EQ(json["preset"], "custom");
  }
}

INSTANTIATE_TEST_SUITE_P(VerticalWalls, PresetOption, testing::Values("cvw", "evw"));

TEST(RowFactorOption, KernAddsOneLineNamingItAndNusseltChangesNothing) {
  const std::vector<std::string> plain = Lines(RunCalc({"ht"}).out);
  EXPECT_EQ(RunCalc({"ht", "--row-factor", "nusselt"}).out, RunCalc({"ht"}).out);
  const test::CalcRun kern = RunCalc({"ht", "--row-factor", "kern", "--crlf"});
  const std::vector<std::string> lines = Lines(kern.out);
  ASSERT_EQ(lines.size(), plain.size() + 1) << kern.err;
  EXPECT_EQ(lines.back(), "Tube-row factor = Kern N\u207B\u00B9\u141F\u2076\r");
}

// The rows themselves are the core's (comparison_test); the option writes
// them as CSV or JSON and leaves exit status 1 when the input is refused.
TEST(CompareOption, WritesTheCoresRowsAsCsvOrJson) {
  const test::CalcRun run = RunCalc({"cvw", "--compare", "--length", "10"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(Lines(run.out).at(0),
            "preset,source,current,status,reynolds_number,condensation_rate,"
            "heat_transfer_coefficient,message,notes");
  const auto rows = test::CsvRows(run.out);
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[1].at("source"), "\"Kutateladze (1963), Labuntsov (1957)\"");
  EXPECT_EQ(rows[3].at("preset"), "max/min");
  const auto json = test::Json({"ht", "--compare", "--tubes", "20"});
  EXPECT_EQ(json["compare"], "row_factor");
  ASSERT_EQ(json["rows"].size(), 2u);
  EXPECT_EQ(json["rows"][1]["row_factor"], "kern");
  const test::CalcRun refused = RunCalc({"cvw", "--compare", "--pressure", "1e9"});
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.out.find("refused,,,,*** ERROR: Given pressure is out of range."),
            std::string::npos);
}

}  // namespace
}  // namespace dorix
