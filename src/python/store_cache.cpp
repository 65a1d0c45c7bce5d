// SPDX-License-Identifier: MIT
#include "python/store_cache.h"

#include <map>

namespace dorix::python {

StoreLookup CachedStore(const std::string& path, const ProgramPlace& module) {
  static std::map<std::filesystem::path, std::shared_ptr<const PropertyStore>> loaded;
  std::optional<std::filesystem::path> file = path;
  if (path.empty()) file = FindPropertyFile(module);
  if (!file) {
    // Loading reports where it looked.
    PropertyStore none;
    return {nullptr, LoadFoundPropertyFile(none, module).message};
  }
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(*file, error);
  const std::filesystem::path key = (error ? *file : absolute).lexically_normal();
  if (const auto found = loaded.find(key); found != loaded.end()) return {found->second, {}};
  auto store = std::make_shared<PropertyStore>();
  const LoadResult result = LoadPropertyFile(key, *store);
  if (!result.ok) return {nullptr, result.message};
  loaded.emplace(key, store);
  return {std::move(store), {}};
}

}  // namespace dorix::python
