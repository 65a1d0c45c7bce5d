// SPDX-License-Identifier: MIT
// The windows reach the calculations through the shared state; everything
// else calls the reentrant core. Random runs through both must agree to the
// bit: the records, the report, the message shown, and the shared slots the
// windows are left with. Property lookups agree likewise: the windows'
// GetProperty copies the curve it finds by name, the core's lookup reads the
// store in place through its index.
#include <gtest/gtest.h>

#include <bit>
#include <random>
#include <string>

#include "core/calc/report.h"
#include "core/fluids/fluid.h"
#include "core/props/property_curve.h"
#include "core/state/get_property.h"
#include "core/state/module1.h"
#include "core/state/shared_calculation.h"
#include "core/text/round_trip_text.h"
#include "delivered_store.h"

namespace dorix {
namespace {

using testing_support::DeliveredFileTest;

bool SameBits(double a, double b) {
  return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

void ExpectSameValues(const std::vector<NamedValue>& a, const std::vector<NamedValue>& b) {
  ASSERT_EQ(a.size(), b.size());
  for (std::size_t i = 0; i < a.size(); ++i) {
    EXPECT_EQ(a[i].name, b[i].name);
    EXPECT_TRUE(SameBits(a[i].value, b[i].value)) << a[i].name;
    EXPECT_TRUE(SameBits(a[i].at, b[i].at)) << a[i].name;
  }
}

void ExpectSameSlots(const PropertySlots& a, const PropertySlots& b) {
  for (const auto member : {&PropertySlots::Tsat, &PropertySlots::TvRef, &PropertySlots::RhoL,
                            &PropertySlots::MuL, &PropertySlots::KL, &PropertySlots::PrL,
                            &PropertySlots::Hfg, &PropertySlots::CpV, &PropertySlots::TlRef}) {
    EXPECT_TRUE(SameBits(a.*member, b.*member));
  }
  EXPECT_EQ(a.OutOfRange, b.OutOfRange);
}

class SharedFacade : public DeliveredFileTest {
 protected:
  // A number in [low, high] as a field would hold it, now and then text
  // that is not one.
  std::string Text(double low, double high) {
    if (std::uniform_int_distribution<int>(0, 40)(random_) == 0) return "x1";
    return RoundTripText(std::uniform_real_distribution<double>(low, high)(random_));
  }

  // Leaves the shared slots as some earlier calculation might have.
  void ScrambleSharedSlots() {
    std::uniform_real_distribution<double> any(-1.0, 1000.0);
    for (double* slot : {&Module1.Tsat, &Module1.TvRef, &Module1.RhoL, &Module1.MuL, &Module1.KL,
                         &Module1.PrL, &Module1.Hfg, &Module1.CpV, &Module1.TlRef}) {
      *slot = any(random_);
    }
    Module1.OutOfRange = std::uniform_int_distribution<int>(0, 1)(random_);
    Module1.FluidNo = std::uniform_int_distribution<int>(1, 6)(random_);
  }

  // One run through the facade and through the core from the same state.
  template <typename Fields, typename Facade, typename Core>
  void Compare(const Fields& fields, Facade facade, Core core) {
    ScrambleSharedSlots();
    const CalculationSetup before = SharedSetup();
    const CalculationOutcome pure = core(fields, before);
    MessageRecorder messages;
    const CalculationOutcome shared = facade(fields, messages);

    EXPECT_EQ(shared.status, pure.status);
    EXPECT_EQ(shared.message, pure.message);
    ExpectSameValues(shared.inputs, pure.inputs);
    ExpectSameValues(shared.properties, pure.properties);
    ExpectSameValues(shared.results, pure.results);
    EXPECT_EQ(ReportText(shared), ReportText(pure));
    ExpectSameSlots(Module1, pure.propertySlots);
    if (pure.message.empty()) {
      EXPECT_TRUE(messages.messages.empty());
    } else {
      EXPECT_EQ(messages.messages, std::vector<std::string>{pure.message});
    }
    ++(pure.status == CalculationOutcome::Status::kRefused ? refused_ : reported_);
  }

  std::mt19937_64 random_{20261207};
  int reported_ = 0;
  int refused_ = 0;
};

constexpr int kRuns = 1500;

TEST_F(SharedFacade, WallCondensationAgrees) {
  for (int i = 0; i < kRuns; ++i) {
    WallCondensationFields f;
    f.pressure = Text(1e3, 5e6);
    f.vaporTemp = Text(60, 800);
    f.wallTemp = Text(60, 700);
    f.length = Text(-0.1, 5);
    f.coefficients.B = Text(0.001, 0.01);
    f.tempTypeIndex = std::uniform_int_distribution<int>(-1, 1)(random_);
    Compare(
        f, [](const auto& x, MessageSink& m) { return CalculateWallCondensation(x, m); },
        [](const auto& x, const CalculationSetup& s) { return CalculateWallCondensation(x, s); });
  }
  EXPECT_GT(reported_, kRuns / 20);
  EXPECT_GT(refused_, kRuns / 20);
}

TEST_F(SharedFacade, TubeCondensationAgrees) {
  for (int i = 0; i < kRuns; ++i) {
    TubeCondensationFields f;
    f.pressure = Text(1e3, 5e6);
    f.vaporTemp = Text(60, 800);
    f.wallTemp = Text(60, 700);
    f.tubeDiameter = Text(-0.01, 0.2);
    f.numberOfTubes = Text(-1, 30);
    f.tempTypeIndex = std::uniform_int_distribution<int>(-1, 1)(random_);
    Compare(
        f, [](const auto& x, MessageSink& m) { return CalculateTubeCondensation(x, m); },
        [](const auto& x, const CalculationSetup& s) { return CalculateTubeCondensation(x, s); });
  }
  EXPECT_GT(reported_, kRuns / 20);
  EXPECT_GT(refused_, kRuns / 20);
}

TEST_F(SharedFacade, EvaporationAgrees) {
  for (int i = 0; i < kRuns; ++i) {
    EvaporationFields f;
    f.satTemp = Text(60, 700);
    f.wallTemp = Text(60, 800);
    f.length = Text(-0.1, 5);
    f.flowRate = Text(-0.01, 2);
    Compare(
        f, [](const auto& x, MessageSink& m) { return CalculateEvaporation(x, m); },
        [](const auto& x, const CalculationSetup& s) { return CalculateEvaporation(x, s); });
  }
  EXPECT_GT(reported_, kRuns / 20);
  EXPECT_GT(refused_, kRuns / 20);
}

TEST_F(SharedFacade, GetPropertyAgreesWithTheCoreLookup) {
  std::uniform_real_distribution<double> share(-0.05, 1.05);
  for (int fluid = 1; fluid <= kFluidCount; ++fluid) {
    for (int code = 1; code <= kPropertyCodeCount; ++code) {
      const int slot = Module1.Store.FindCurve(CurveName(fluid, code));
      const CurveView curve = slot ? CurveInSlot(Module1.Store, slot) : CurveView{};
      for (int i = 0; i < 200; ++i) {
        const double x =
            curve.n ? curve.X[1] + share(random_) * (curve.X[curve.n] - curve.X[1]) : 300.0;
        double shared = -1.0;
        Module1.OutOfRange = 0;
        GetProperty(fluid, code, x, shared);
        const std::optional<double> pure = LookUpProperty(Module1.Store, fluid, code, x);
        ASSERT_EQ(Module1.OutOfRange == 0, pure.has_value()) << CurveName(fluid, code) << " " << x;
        if (pure) {
          EXPECT_TRUE(SameBits(shared, *pure)) << CurveName(fluid, code) << " " << x;
        }
      }
    }
  }
}

}  // namespace
}  // namespace dorix
