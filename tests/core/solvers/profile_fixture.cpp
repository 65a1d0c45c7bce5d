// SPDX-License-Identifier: MIT
#include "profile_fixture.h"

#include "core/props/property_file.h"
#include "core/state/module1.h"

namespace dorix::test {

void ProfileTest::SetUpTestSuite() {
  SetStartupState();
  const LoadResult loaded = LoadPropertyFile(DORIX_PROPERTY_FILE, Module1.Store);
  ASSERT_TRUE(loaded.ok) << loaded.message;
}

void ProfileTest::SetUp() {
  Module1.FluidNo = 1;
}

double ValueOf(const std::vector<NamedValue>& values, std::string_view name) {
  for (const NamedValue& value : values) {
    if (value.name == name) return value.value;
  }
  ADD_FAILURE() << "no value named " << name;
  return 0.0;
}

WallProfile WallOf(const std::optional<Profile>& profile) {
  if (!profile || !std::holds_alternative<WallProfile>(*profile)) {
    ADD_FAILURE() << "no wall profile";
    return {};
  }
  return std::get<WallProfile>(*profile);
}

}  // namespace dorix::test
