// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>

#include "core/state/film_properties.h"
#include "store_fixture.h"

namespace dorix {
namespace {

// Water curves, linear in T so that each value tells where it was evaluated:
// liquid 300-400 K, vapour specific heat 350-450 K, hfg 350-400 K.
std::string WaterCurves() {
  std::string text;
  for (const char* name : {"watrol", "watmul", "watkl", "watprl"}) {
    text += std::string(name) + ",4,1\n300,330,360,400\n300,330,360,400\n";
  }
  text += "watcpv,4,1\n350,380,410,450\n350,380,410,450\n";
  text += "wathfg,4,1\n350,370,385,400\n350,370,385,400\n";
  return text;
}

class FilmPropertiesTest : public testing_support::SharedStateTest {
 protected:
  void SetUp() override {
    SharedStateTest::SetUp();
    LoadStore(WaterCurves());
    Module1.RhoL = Module1.MuL = Module1.KL = Module1.PrL = Module1.CpV = Module1.Hfg = -1.0;
    Module1.OutOfRange = 1;  // a stale flag from an earlier lookup
  }

  void Run(double tlRef, double tvRef, double tsat) {
    Module1.TlRef = tlRef;
    Module1.TvRef = tvRef;
    Module1.Tsat = tsat;
    FilmProperties(messages_);
  }

  MessageRecorder messages_;
};

TEST_F(FilmPropertiesTest, InRangeFillsEverySlotAndClearsTheFlag) {
  Run(320.0, 390.0, 375.0);
  EXPECT_TRUE(messages_.messages.empty());
  EXPECT_EQ(Module1.OutOfRange, 0);
  EXPECT_NEAR(Module1.RhoL, 320.0, 1e-9);
  EXPECT_NEAR(Module1.MuL, 320.0, 1e-9);
  EXPECT_NEAR(Module1.KL, 320.0, 1e-9);
  EXPECT_NEAR(Module1.PrL, 320.0, 1e-9);
  EXPECT_NEAR(Module1.CpV, 390.0, 1e-9);
  EXPECT_NEAR(Module1.Hfg, 375.0, 1e-9);
}

TEST_F(FilmPropertiesTest, LiquidOutOfRangeStopsBeforeTheVapour) {
  Run(450.0, 390.0, 375.0);
  ASSERT_EQ(messages_.messages.size(), 1U);
  EXPECT_EQ(messages_.messages[0],
            "*** ERROR: Liquid reference temp(=Tw+Alpha(Tsat-Tw)) is out of range.");
  EXPECT_EQ(Module1.OutOfRange, 1);
  EXPECT_EQ(Module1.RhoL, -1.0);
  EXPECT_EQ(Module1.CpV, -1.0);
  EXPECT_EQ(Module1.Hfg, -1.0);
}

TEST_F(FilmPropertiesTest, VapourOutOfRangeKeepsTheLiquidValues) {
  Run(320.0, 500.0, 375.0);
  ASSERT_EQ(messages_.messages.size(), 1U);
  EXPECT_EQ(messages_.messages[0],
            "*** ERROR: Vapor reference temp(=(Tsat+Tv)/2) is out of range.");
  EXPECT_NEAR(Module1.PrL, 320.0, 1e-9);
  EXPECT_EQ(Module1.CpV, -1.0);
  EXPECT_EQ(Module1.Hfg, -1.0);
}

TEST_F(FilmPropertiesTest, EnthalpyOutOfRangeSpeaksOfThePressure) {
  Run(320.0, 390.0, 420.0);
  ASSERT_EQ(messages_.messages.size(), 1U);
  EXPECT_EQ(messages_.messages[0], "*** ERROR: Given pressure is out of range.");
  EXPECT_NEAR(Module1.CpV, 390.0, 1e-9);
  EXPECT_EQ(Module1.Hfg, -1.0);
}

TEST_F(FilmPropertiesTest, MercuryNeverComplainsAboutTheVapour) {
  LoadStore(
      "hgrol,4,1\n300,400,500,600\n1,2,3,4\nhgmul,4,1\n300,400,500,600\n1,2,3,4\n"
      "hgkl,4,1\n300,400,500,600\n1,2,3,4\nhgprl,4,1\n300,400,500,600\n1,2,3,4\n"
      "hghfg,4,1\n380,500,700,1000\n1,2,3,4\n");
  Module1.FluidNo = 4;
  Run(400.0, 1e6, 600.0);
  EXPECT_TRUE(messages_.messages.empty());
  EXPECT_EQ(Module1.CpV, 104.0);
  EXPECT_EQ(Module1.OutOfRange, 0);
}

}  // namespace
}  // namespace dorix
