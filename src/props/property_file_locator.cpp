#include "props/property_file_locator.h"

#include <system_error>

#include "props/property_file.h"

namespace dorix {

namespace {

std::optional<std::filesystem::path> ExecutableFolder() {
  std::error_code error;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return std::nullopt;
  return exe.parent_path();
}

}  // namespace

std::vector<std::filesystem::path> PropertyFileCandidates() {
  std::vector<std::filesystem::path> candidates{std::filesystem::path(kPropertyFileName)};
  if (const auto folder = ExecutableFolder()) candidates.push_back(*folder / kPropertyFileName);
  candidates.push_back(std::filesystem::path(DORIX_INSTALLED_DATA_DIR) / kPropertyFileName);
  return candidates;
}

std::optional<std::filesystem::path> FindPropertyFile() {
  for (const auto& candidate : PropertyFileCandidates()) {
    std::error_code error;
    if (std::filesystem::is_regular_file(candidate, error)) return candidate;
  }
  return std::nullopt;
}

}  // namespace dorix
