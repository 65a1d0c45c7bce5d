// SPDX-License-Identifier: MIT
// A sweep gives byte-identical CSV on any number of threads, refused points,
// dry-outs and every problem included.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc_runner.h"

namespace dorix {
namespace {

using Args = std::vector<std::string>;

class SweepJobs : public ::testing::TestWithParam<Args> {};

TEST_P(SweepJobs, RowsDoNotDependOnTheNumberOfThreads) {
  Args one = GetParam();
  one.insert(one.end(), {"--jobs", "1"});
  const test::CalcRun reference = test::RunCalc(one);
  ASSERT_EQ(reference.status, 0) << reference.err;
  ASSERT_GT(test::Lines(reference.out).size(), 10u);
  for (const char* jobs : {"2", "3", "8"}) {
    Args many = GetParam();
    many.insert(many.end(), {"--jobs", jobs});
    const test::CalcRun run = test::RunCalc(many);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, reference.out) << "--jobs " << jobs;
  }
}

INSTANTIATE_TEST_SUITE_P(Problems, SweepJobs,
                         ::testing::Values(
                             // Crosses the saturation temperature: refused points amid reports.
                             Args{"cvw", "--sweep", "wall-temp=250:450:9001"},
                             Args{"cvw", "--fluid", "r134a", "--saturated", "--sweep",
                                  "pressure=1e4:4e6:5000"},
                             Args{"ht", "--sweep", "tubes=0:40:4001"},
                             // Dries out at the small flow rates.
                             Args{"evw", "--sweep", "flow-rate=0.0001:0.5:12000"}));

}  // namespace
}  // namespace dorix
