// SPDX-License-Identifier: MIT
#include "core/props/property_file_locator.h"

#include <algorithm>
#include <system_error>
#include <utility>

namespace dorix {

std::optional<ProgramPlace> ExecutablePlace() {
  std::error_code error;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return std::nullopt;
  return ProgramPlace{exe.parent_path(), DORIX_RELATIVE_DATA_DIR};
}

std::vector<std::filesystem::path> PropertyFileCandidates(
    const std::optional<ProgramPlace>& program) {
  std::vector<std::filesystem::path> candidates{std::filesystem::path(kPropertyFileName)};
  const auto add = [&candidates](std::filesystem::path candidate) {
    if (std::find(candidates.begin(), candidates.end(), candidate) == candidates.end()) {
      candidates.push_back(std::move(candidate));
    }
  };
  if (program) {
    add(program->folder / kPropertyFileName);
    // An installed tree moved to another prefix (a package unpacked elsewhere)
    // keeps its data at the same place relative to its programs.
    add((program->folder / program->relativeDataDir / kPropertyFileName).lexically_normal());
  }
  add(std::filesystem::path(DORIX_INSTALLED_DATA_DIR) / kPropertyFileName);
  return candidates;
}

std::optional<std::filesystem::path> FindPropertyFile(const std::optional<ProgramPlace>& program) {
  for (const auto& candidate : PropertyFileCandidates(program)) {
    std::error_code error;
    if (std::filesystem::is_regular_file(candidate, error)) return candidate;
  }
  return std::nullopt;
}

LoadResult LoadFoundPropertyFile(PropertyStore& store, const std::optional<ProgramPlace>& program) {
  const auto path = FindPropertyFile(program);
  if (!path) {
    std::string places;
    for (const auto& candidate : PropertyFileCandidates(program)) {
      places += (places.empty() ? "" : ", ") + candidate.string();
    }
    return LoadResult::Failure(std::string("Property file \"") + kPropertyFileName +
                               "\" was not found. Looked in: " + places + ".");
  }
  return LoadPropertyFile(*path, store);
}

}  // namespace dorix
