// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "core/props/property_file.h"
#include "core/state/module1.h"

namespace dorix::testing_support {

// Starts every test from the program's start-up state with an empty store.
class SharedStateTest : public ::testing::Test {
 protected:
  void SetUp() override { Module1 = Module1State{}; }

  // Parses property-file text into the shared store; the text must be valid.
  static void LoadStore(const std::string& text) {
    PropertyStore store;
    const LoadResult result = ParsePropertyText(text, "test.dat", store);
    ASSERT_TRUE(result.ok) << result.message;
    Module1.Store = std::move(store);
  }
};

}  // namespace dorix::testing_support
