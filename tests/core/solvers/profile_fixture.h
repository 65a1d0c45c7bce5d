// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include <string_view>

#include "core/calc/calculation.h"
#include "core/calc/profile.h"
#include "core/props/property_file.h"
#include "core/state/message_sink.h"
#include "core/state/shared_calculation.h"
#include "delivered_store.h"

namespace dorix::test {

using testing_support::DeliveredStore;

// Profiles and Calculate runs against the delivered property file, water.
class ProfileTest : public testing::Test {
 protected:
  static void SetUpTestSuite();
  void SetUp() override;

  MessageRecorder messages;
};

// A named number of an outcome; fails the test when it is missing.
double ValueOf(const std::vector<NamedValue>& values, std::string_view name);

// The wall profile of a run that must not be refused.
WallProfile WallOf(const std::optional<Profile>& profile);

}  // namespace dorix::test
