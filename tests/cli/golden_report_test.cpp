// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "calc_runner.h"

namespace dorix {
namespace {

const std::string kGolden = std::string(DORIX_TEST_FIXTURES) + "/golden/";

// The cases of cases.txt, which tools/regenerate_golden_reports.sh also reads:
// "name: arguments" a line.
std::vector<std::vector<std::string>> GoldenCases() {
  std::vector<std::vector<std::string>> cases;
  std::ifstream file(kGolden + "cases.txt");
  for (std::string line; std::getline(file, line);) {
    if (line.empty() || line[0] == '#' || line.find(':') == std::string::npos) continue;
    line[line.find(':')] = ' ';
    std::istringstream words(line);
    auto& c = cases.emplace_back();
    for (std::string word; words >> word;) c.push_back(word);
  }
  return cases;
}

class GoldenReport : public testing::TestWithParam<std::vector<std::string>> {};

TEST_P(GoldenReport, MatchesTheDeliveredData) {
  const std::vector<std::string>& c = GetParam();
  const test::CalcRun run = test::RunCalc({c.begin() + 1, c.end()});
  EXPECT_EQ(run.status, 0) << run.err;
  std::ifstream file(kGolden + c[0] + ".txt", std::ios::binary);
  EXPECT_EQ(run.out, std::string(std::istreambuf_iterator<char>(file), {}))
      << "regenerate with tools/regenerate_golden_reports.sh after a deliberate change";
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenReport, testing::ValuesIn(GoldenCases()),
                         [](const auto& info) {
                           std::string name = info.param[0];
                           std::replace(name.begin(), name.end(), '-', '_');
                           return name;
                         });

TEST(GoldenReportCases, AreAllThere) {
  EXPECT_GE(GoldenCases().size(), 20u);
}

}  // namespace
}  // namespace dorix
