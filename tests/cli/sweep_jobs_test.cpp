// SPDX-License-Identifier: MIT
// A sweep gives byte-identical CSV on any number of threads, refused points,
// dry-outs and every problem included.
#include <gtest/gtest.h>

#include "calc_runner.h"

namespace dorix {
namespace {

using Args = std::vector<std::string>;

class SweepJobs : public ::testing::TestWithParam<Args> {};

TEST_P(SweepJobs, RowsDoNotDependOnTheNumberOfThreads) {
  auto run = [&](const char* jobs) {
    Args args = GetParam();
    args.insert(args.end(), {"--jobs", jobs});
    return test::RunCalc(args);
  };
  const test::CalcRun reference = run("1");
  ASSERT_EQ(reference.status, 0) << reference.err;
  ASSERT_GT(test::Lines(reference.out).size(), 10u);
  for (const char* jobs : {"2", "3", "8"}) {
    const test::CalcRun many = run(jobs);
    EXPECT_EQ(many.status, 0) << many.err;
    EXPECT_EQ(many.out, reference.out) << "--jobs " << jobs;
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
