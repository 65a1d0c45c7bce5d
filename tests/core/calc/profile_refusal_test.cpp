// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <functional>

#include "../solvers/profile_fixture.h"

namespace dorix {
namespace {

// An input Calculate refuses, in one of the three windows.
struct Refusal {
  const char* name;
  std::function<CalculationOutcome(MessageSink&)> calculate;
  std::function<std::optional<Profile>(MessageSink&)> plot;
};

void PrintTo(const Refusal& r, std::ostream* os) {
  *os << r.name;
}

Refusal Wall(const char* name, std::function<void(WallCondensationFields&)> set) {
  WallCondensationFields fields;
  set(fields);
  return {name, [=](MessageSink& m) { return CalculateWallCondensation(fields, m); },
          [=](MessageSink& m) { return ProfileWallCondensation(fields, m, {}); }};
}

Refusal Tubes(const char* name, std::function<void(TubeCondensationFields&)> set) {
  TubeCondensationFields fields;
  set(fields);
  return {name, [=](MessageSink& m) { return CalculateTubeCondensation(fields, m); },
          [=](MessageSink& m) { return ProfileTubeCondensation(fields, m); }};
}

Refusal Evaporation(const char* name, std::function<void(EvaporationFields&)> set) {
  EvaporationFields fields;
  set(fields);
  return {name, [=](MessageSink& m) { return CalculateEvaporation(fields, m); },
          [=](MessageSink& m) { return ProfileEvaporation(fields, m, {}); }};
}

// The profile runs Calculate's checks first; a few of them per window show
// that it keeps their message and draws nothing.
const Refusal kRefusals[] = {
    Wall("WallPressureOutOfRange", [](auto& f) { f.pressure = "1e12"; }),
    Wall("WallNoSelectorEntry", [](auto& f) { f.tempTypeIndex = kNoEntrySelected; }),
    Tubes("TubeWallAboveSaturation", [](auto& f) { f.wallTemp = "400"; }),
    Evaporation("EvaporationTransitionNotPositive", [](auto& f) { f.coefficients.D = "-5"; }),
};

class RefusedProfile : public test::ProfileTest, public testing::WithParamInterface<Refusal> {};

TEST_P(RefusedProfile, GivesCalculatesMessageAndNoProfile) {
  MessageRecorder calculated;
  ASSERT_EQ(GetParam().calculate(calculated).status, CalculationOutcome::Status::kRefused);
  ASSERT_EQ(calculated.messages.size(), 1u);
  EXPECT_FALSE(GetParam().plot(messages));
  EXPECT_EQ(messages.messages, calculated.messages);
}

INSTANTIATE_TEST_SUITE_P(EachWindow, RefusedProfile, testing::ValuesIn(kRefusals),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace dorix
