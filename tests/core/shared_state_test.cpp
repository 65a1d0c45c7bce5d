// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/state/module1.h"

namespace dorix {
namespace {

TEST(SharedState, StartsWithWaterAndEmptyPropertySlots) {
  Module1 = Module1State{};
  Module1.FluidNo = 3;
  Module1.Grav = 0.0;
  SetStartupState();
  EXPECT_EQ(Module1.FluidNo, 1);
  EXPECT_EQ(Module1.CrLf, "\r\n");
  EXPECT_EQ(Module1.Grav, 9.8065);
  for (const double slot : {Module1.Tsat, Module1.TvRef, Module1.TlRef, Module1.RhoL, Module1.MuL,
                            Module1.KL, Module1.PrL, Module1.Hfg, Module1.CpV}) {
    EXPECT_EQ(slot, 0.0);
  }
  EXPECT_EQ(Module1.OutOfRange, 0);
  EXPECT_EQ(Module1.Store.PropName[1], "");
  EXPECT_EQ(Module1.Store.PropCount[200], 0);
}

}  // namespace
}  // namespace dorix
