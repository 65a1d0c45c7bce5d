#include "cli/fluids.h"

#include <array>
#include <cctype>
#include <string>

namespace dorix::cli {

namespace {

constexpr std::array<std::string_view, 6> kNames{"water",   "ammonia", "nitrogen",
                                                 "mercury", "r22",     "r134a"};

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

}  // namespace

std::string_view FluidName(int fluid) {
  return fluid >= 1 && fluid <= 6 ? kNames[fluid - 1] : std::string_view();
}

std::optional<int> ParseFluid(std::string_view text) {
  for (int fluid = 1; fluid <= 6; ++fluid) {
    if (SameIgnoringCase(text, kNames[fluid - 1]) || text == std::to_string(fluid)) return fluid;
  }
  return std::nullopt;
}

}  // namespace dorix::cli
