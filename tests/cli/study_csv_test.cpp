#include <gtest/gtest.h>

#include <memory>

#include "calc_runner.h"
#include "core/calc/study.h"
#include "core/props/property_file.h"

namespace dorix {
namespace {

// A study of one fluid and dorix-calc --sweep on the same inputs: the same
// table, byte for byte.
struct AgreementCase {
  const char* name;
  ProblemFields fields;
  int fluid;
  SweepRange range;
  std::vector<std::string> args;  // the same problem, fields and sweep for dorix-calc
};

void PrintTo(const AgreementCase& c, std::ostream* os) {
  *os << c.name;
}

ProblemFields SaturatedTubes() {
  TubeCondensationFields fields;
  fields.tempTypeIndex = kSaturationVaporTemperature;
  return fields;
}

ProblemFields EvaporationWithCoefficientA(std::string A) {
  EvaporationFields fields;
  fields.coefficients.A = std::move(A);
  return fields;
}

class StudyAgreesWithCommandLine : public testing::TestWithParam<AgreementCase> {};

TEST_P(StudyAgreesWithCommandLine, TableForTable) {
  const AgreementCase& c = GetParam();
  PropertyStore store;
  ASSERT_TRUE(LoadPropertyFile(DORIX_PROPERTY_FILE, store).ok);
  const Study study = RunStudy({c.fields, c.range, {c.fluid}}, store, kGrav, 2);
  const test::CalcRun run = test::RunCalc(c.args);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(StudyCsv(study), run.out);
}

INSTANTIATE_TEST_SUITE_P(
    Problems, StudyAgreesWithCommandLine,
    testing::Values(AgreementCase{"WallLengthLogarithmicThroughAllRegimes",
                                  WallCondensationFields{},
                                  2,
                                  {"length", 0.001, 20, 40, true},
                                  {"cvw", "--fluid", "2", "--sweep", "length=0.001:20:40:log"}},
                    AgreementCase{"WallTemperatureUpToAndPastSaturation",
                                  WallCondensationFields{},
                                  1,
                                  {"wall-temp", 300, 390, 10, false},
                                  {"cvw", "--sweep", "wall-temp=300:390:10"}},
                    AgreementCase{"SaturatedTubesByPressure",
                                  SaturatedTubes(),
                                  6,
                                  {"pressure", 1e4, 5e6, 25, true},
                                  {"ht", "--saturated", "--fluid", "r134a", "--sweep",
                                   "pressure=1e4:5e6:25:log"}},
                    AgreementCase{"EvaporationFromDryOutToTurbulentTop",
                                  EvaporationFields{},
                                  1,
                                  {"flow_rate", 0.0001, 3, 30, true},
                                  {"evw", "--sweep", "flow-rate=0.0001:3:30:log"}},
                    AgreementCase{"EvaporationRefusedWithAQuotedMessage",
                                  EvaporationWithCoefficientA("x,y"),
                                  1,
                                  {"length", 1, 2, 2, false},
                                  {"evw", "--A", "x,y", "--sweep", "length=1:2:2"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace dorix
