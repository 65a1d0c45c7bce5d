// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <filesystem>

#include "core/props/property_file.h"
#include "core/props/property_file_locator.h"

namespace dorix {
namespace {

namespace fs = std::filesystem;

fs::path TestFolder() {
  return fs::read_symlink("/proc/self/exe").parent_path();
}

TEST(PropertyFileLocator, LooksInWorkingFolderThenBesideTheProgramThenInstalledData) {
  const fs::path folder = TestFolder();
  const auto candidates = PropertyFileCandidates();
  ASSERT_EQ(candidates.size(), 4U);
  EXPECT_EQ(candidates[0], fs::path(kPropertyFileName));
  EXPECT_EQ(candidates[1], folder / kPropertyFileName);
  // The installation the program runs from, wherever its prefix is...
  EXPECT_EQ(candidates[2],
            (folder / DORIX_RELATIVE_DATA_DIR / kPropertyFileName).lexically_normal());
  EXPECT_EQ(candidates[2].lexically_relative(folder).begin()->string(), "..");
  // ...then the one it was configured for.
  EXPECT_EQ(candidates[3], fs::path(DORIX_INSTALLED_DATA_DIR) / kPropertyFileName);
}

TEST(PropertyFileLocator, NamesEachPlaceOnce) {
  // A program kept in the data folder itself: all three places are one.
  const fs::path data(DORIX_INSTALLED_DATA_DIR);
  EXPECT_EQ(PropertyFileCandidates(ProgramPlace{data, "."}),
            (std::vector<fs::path>{kPropertyFileName, data / kPropertyFileName}));
}

}  // namespace
}  // namespace dorix
