// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>

#include "core/props/film_properties.h"
#include "core/props/property_file.h"

namespace dorix {
namespace {

// Water curves, linear in T so that each value tells where it was evaluated:
// liquid 300-400 K, vapour cp 350-450 K, hfg 350-400 K.
std::string WaterCurves() {
  std::string text;
  for (const char* name : {"watrol", "watmul", "watkl", "watprl"}) {
    text += std::string(name) + ",4,1\n300,330,360,400\n300,330,360,400\n";
  }
  text += "watcpv,4,1\n350,380,410,450\n350,380,410,450\n";
  text += "wathfg,4,1\n350,370,385,400\n350,370,385,400\n";
  return text;
}

class FilmPropertiesTest : public testing::Test {
 protected:
  void Load(const std::string& text) {
    store_ = PropertyStore{};
    const LoadResult loaded = ParsePropertyText(text, "test.dat", store_);
    ASSERT_TRUE(loaded.ok) << loaded.message;
    slots_.RhoL = slots_.MuL = slots_.KL = slots_.PrL = slots_.CpV = slots_.Hfg = -1.0;
    slots_.OutOfRange = 1;  // a stale flag from an earlier lookup
  }

  // The message of the lookup, empty when every group is in range.
  std::string Run(double tlRef, double tvRef, double tsat, int fluid = 1) {
    slots_.TlRef = tlRef;
    slots_.TvRef = tvRef;
    slots_.Tsat = tsat;
    const char* message = LookUpFilmProperties(store_, fluid, slots_);
    return message ? message : "";
  }

  PropertyStore store_;
  PropertySlots slots_;
};

// Each group is looked up at its temperature; the first out of range stops
// the lookup with its message, keeping the groups before it (-1: not filled).
TEST_F(FilmPropertiesTest, StopsAtTheFirstGroupOutOfRange) {
  const struct {
    double TlRef, TvRef, Tsat;
    const char* message;
    double liquid, CpV, Hfg;
  } kCases[] = {
      {320, 390, 375, "", 320, 390, 375},
      {450, 390, 375, kLiquidReferenceOutOfRange, -1, -1, -1},
      {320, 500, 375, kVaporReferenceOutOfRange, 320, -1, -1},
      {320, 390, 420, kPressureOutOfRange, 320, 390, -1},
  };
  for (const auto& c : kCases) {
    Load(WaterCurves());
    EXPECT_EQ(Run(c.TlRef, c.TvRef, c.Tsat), c.message);
    EXPECT_EQ(slots_.OutOfRange, *c.message ? 1 : 0) << "a stale flag is cleared";
    for (const double liquid : {slots_.RhoL, slots_.MuL, slots_.KL, slots_.PrL}) {
      EXPECT_NEAR(liquid, c.liquid, 1e-9) << c.message;
    }
    EXPECT_NEAR(slots_.CpV, c.CpV, 1e-9) << c.message;
    EXPECT_NEAR(slots_.Hfg, c.Hfg, 1e-9) << c.message;
  }
}

}  // namespace
}  // namespace dorix
