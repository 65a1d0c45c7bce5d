// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "calc_runner.h"

namespace dorix {
namespace {

const std::string kGolden = std::string(DORIX_TEST_FIXTURES) + "/golden/";

struct GoldenCase {
  std::string name;
  std::vector<std::string> args;
};

void PrintTo(const GoldenCase& c, std::ostream* os) {
  *os << c.name;
}

// The cases of cases.txt, which tools/regenerate_golden_reports.sh also reads.
std::vector<GoldenCase> GoldenCases() {
  std::vector<GoldenCase> cases;
  std::ifstream file(kGolden + "cases.txt");
  for (std::string line; std::getline(file, line);) {
    const auto colon = line.find(':');
    if (line.empty() || line[0] == '#' || colon == std::string::npos) continue;
    GoldenCase c{line.substr(0, colon), {}};
    std::istringstream args(line.substr(colon + 1));
    for (std::string arg; args >> arg;) c.args.push_back(arg);
    cases.push_back(c);
  }
  return cases;
}

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class GoldenReport : public testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenReport, MatchesTheDeliveredData) {
  const test::CalcRun run = test::RunCalc(GetParam().args);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, ReadFile(kGolden + GetParam().name + ".txt"))
      << "regenerate with tools/regenerate_golden_reports.sh after a deliberate change";
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenReport, testing::ValuesIn(GoldenCases()),
                         [](const auto& info) {
                           std::string name = info.param.name;
                           for (char& c : name) {
                             if (c == '-') c = '_';
                           }
                           return name;
                         });

TEST(GoldenReportCases, AreAllThere) {
  EXPECT_GE(GoldenCases().size(), 20u);
}

}  // namespace
}  // namespace dorix
