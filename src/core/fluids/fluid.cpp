// SPDX-License-Identifier: MIT
#include "core/fluids/fluid.h"

#include <cctype>
#include <string>

namespace dorix {

namespace {

// Compares letters and digits only, ignoring case: "R-134a" matches "r134a".
bool SameName(std::string_view typed, std::string_view name) {
  auto next = [](std::string_view text, std::size_t& i) {
    while (i < text.size() && text[i] == '-') ++i;
    return i < text.size() ? std::tolower(static_cast<unsigned char>(text[i++])) : -1;
  };
  std::size_t i = 0;
  std::size_t j = 0;
  for (;;) {
    const int a = next(typed, i);
    const int b = next(name, j);
    if (a != b) return false;
    if (a < 0) return true;
  }
}

}  // namespace

const Fluid* FindFluid(int number) {
  return number >= 1 && number <= kFluidCount ? &kFluids[number - 1] : nullptr;
}

const Fluid* ParseFluid(std::string_view text) {
  for (const Fluid& fluid : kFluids) {
    const bool named = SameName(text, fluid.name) || SameName(text, fluid.displayName) ||
                       SameName(text, fluid.formula) ||
                       (!fluid.alias.empty() && SameName(text, fluid.alias));
    if (named || text == std::to_string(fluid.number)) return &fluid;
  }
  return nullptr;
}

std::string FluidChoices() {
  std::string text;
  for (const Fluid& fluid : kFluids) {
    text += std::string(fluid.name);
    if (!fluid.alias.empty()) text += " (" + std::string(fluid.alias) + ")";
    text += ", ";
  }
  text.resize(text.size() - 2);
  return text + " or the number 1 to " + std::to_string(kFluidCount);
}

}  // namespace dorix
