// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/fluids/fluid.h"

namespace dorix {
namespace {

// Numbers come from files, fields and Python calls: one outside the table
// names no fluid rather than reading past it.
TEST(Fluids, OnlyTheTablesNumbersNameAFluid) {
  EXPECT_EQ(FindFluid(0), nullptr);
  EXPECT_EQ(FindFluid(-1), nullptr);
  EXPECT_EQ(FindFluid(kFluidCount + 1), nullptr);
  for (int number = 1; number <= kFluidCount; ++number) EXPECT_NE(FindFluid(number), nullptr);
}

}  // namespace
}  // namespace dorix
