// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>

#include "calc_runner.h"

namespace dorix {
namespace {

using test::Cells;
using test::Lines;
using test::Number;
using test::RunCalc;

// The results of the same run as JSON.
nlohmann::json Results(std::vector<std::string> args) {
  args.insert(args.end(), {"--format", "json"});
  return nlohmann::json::parse(RunCalc(args).out)["results"];
}

struct WallCase {
  const char* name;
  std::vector<std::string> args;
  const char* endRegime;
};

void PrintTo(const WallCase& c, std::ostream* os) {
  *os << c.name;
}

// The regimes along the wall are the profile's own; one run per wall problem.
const WallCase kWallCases[] = {
    {"Condensing", {"cvw"}, "wavy-laminar"},
    {"Evaporating", {"evw"}, "turbulent"},
};

class WallProfileOption : public testing::TestWithParam<WallCase> {};

TEST_P(WallProfileOption, PrintsCountEvenPointsEndingAtTheReport) {
  std::vector<std::string> args = GetParam().args;
  args.insert(args.end(), {"--profile", "11"});
  const test::CalcRun run = RunCalc(args);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 12u);

  const std::vector<std::string> last = Cells(lines.back());
  ASSERT_EQ(last.size(), 4u);
  const double L = Number(last[0]);
  for (std::size_t i = 1; i < lines.size(); ++i) {
    EXPECT_NEAR(Number(Cells(lines[i])[0]), L * (i - 1) / 10, L * 1e-15) << lines[i];
  }
  const nlohmann::json results = Results(GetParam().args);
  EXPECT_EQ(Number(last[1]), results["reynolds_number"].get<double>());
  EXPECT_EQ(last[3], GetParam().endRegime);
}

INSTANTIATE_TEST_SUITE_P(Walls, WallProfileOption, testing::ValuesIn(kWallCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The rows are the core's profile CSV (profile_csv_test); the option adds the
// note on standard error, the tube-by-tube form and the refusals' exit status.
TEST(ProfileOption, NotesADryOutAndPrintsARowTubeByTube) {
  const test::CalcRun dry = RunCalc({"evw", "--length", "5", "--profile", "6"});
  ASSERT_EQ(dry.status, 0);
  EXPECT_EQ(dry.err.rfind("dorix-calc: note: the film dries out at x = 3.77", 0), 0u) << dry.err;
  EXPECT_EQ(Lines(dry.out).size(), 7u);
  const test::CalcRun tubes = RunCalc({"ht", "--tubes", "2.5", "--profile", "100"});
  ASSERT_EQ(tubes.status, 0) << tubes.err;
  EXPECT_EQ(Lines(tubes.out).size(), 4u);
}

TEST(ProfileOption, RefusesWhatCalculateRefusesWithItsMessage) {
  const test::CalcRun report = RunCalc({"cvw", "--wall-temp", "380"});
  const test::CalcRun profile = RunCalc({"cvw", "--wall-temp", "380", "--profile", "5"});
  EXPECT_EQ(profile.status, 1);
  EXPECT_EQ(profile.out, "");
  EXPECT_EQ(profile.err, report.err);
  const test::CalcRun tooMany = RunCalc({"ht", "--tubes", "1e6", "--profile", "5"});
  EXPECT_EQ(tooMany.status, 1);
  EXPECT_EQ(tooMany.err,
            "*** ERROR: A row of more than 1000 tubes is too long to show tube by tube.\n");
}

}  // namespace
}  // namespace dorix
