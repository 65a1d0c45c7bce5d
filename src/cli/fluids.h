#pragma once

#include <optional>
#include <string_view>

namespace dorix::cli {

// The command line's names of the fluids, by fluid number 1..6.
std::string_view FluidName(int fluid);

// Fluid number of a name ("water", "R134a"; any case) or of a number 1..6.
std::optional<int> ParseFluid(std::string_view text);

}  // namespace dorix::cli
