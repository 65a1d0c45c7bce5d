// SPDX-License-Identifier: MIT
// The property-file loader fed arbitrary bytes from memory. A file it takes
// holds only finite values in at most 200 curves of at most 200 points; a
// file it refuses gets one message naming the file and a line of it. A file
// that also passes the curve checks is looked up everywhere along its curves.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/fluids/fluid.h"
#include "core/props/property_curve.h"
#include "core/props/property_file.h"

using namespace dorix;

namespace {

constexpr const char* kLabel = "fuzz.dat";

void Require(bool holds, const char* what, std::string_view message = {}) {
  if (holds) return;
  std::fprintf(stderr, "\nProperty file: %s\nmessage: %.*s\n", what,
               static_cast<int>(message.size()), message.data());
  std::abort();
}

void CheckRefusal(std::string_view text, const std::string& message) {
  const std::string start = std::string("Property file \"") + kLabel + "\", line ";
  Require(message.starts_with(start) && message.ends_with("."),
          "a refusal that does not name the file and a line", message);
  const long line = std::strtol(message.c_str() + start.size(), nullptr, 10);
  const long lines = 1 + std::count(text.begin(), text.end(), '\n');
  Require(line >= 1 && line <= lines, "a refusal that names a line the file does not have",
          message);
}

void CheckStore(const PropertyStore& store) {
  for (int slot = 1; slot <= kMaxCurves; ++slot) {
    const int count = store.PropCount[slot];
    Require(count >= 0 && count <= kMaxPoints, "a point count outside 0 to 200");
    bool finite = true;
    bool blankBeyond = true;
    for (int column = 1; column <= 2; ++column) {
      const auto& values = store.PropData[slot][column];
      finite = finite && std::all_of(values.begin() + 1, values.begin() + 1 + count,
                                     [](float value) { return std::isfinite(value); });
      blankBeyond = blankBeyond && std::all_of(values.begin() + 1 + count, values.end(),
                                               [](float value) { return value == 0.0F; });
    }
    Require(finite, "a stored value that is not finite");
    Require(blankBeyond, "a value stored beyond the curve's points");
  }
}

// Every property of every fluid at and between the points of its curve, and
// beyond both ends: nothing may fault, whatever the numbers give.
void LookUpEverywhere(const PropertyStore& store) {
  for (int fluid = 0; fluid <= kFluidCount + 1; ++fluid) {
    for (int code = 0; code <= kPropertyCodeCount + 1; ++code) {
      const int slot = store.FindCurve(CurveName(fluid, code));
      const auto& x = store.PropData[slot][1];
      const int count = slot == 0 ? 0 : store.PropCount[slot];
      for (int point = 1; point <= count; ++point) {
        const double next = point < count ? x[point + 1] : 1.02 * x[point];
        for (const double at :
             {0.98 * x[point], static_cast<double>(x[point]), (x[point] + next) / 2}) {
          LookUpProperty(store, fluid, code, at);
        }
      }
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  // A fresh store costs a large allocation per input; copying a blank one
  // into the same buffers starts every input from the same empty store.
  static const PropertyStore blank;
  static PropertyStore store;
  store = blank;
  const LoadResult parsed = ParsePropertyText(text, kLabel, store);
  if (!parsed.ok) {
    CheckRefusal(text, parsed.message);
    return 0;
  }
  CheckStore(store);
  const LoadResult checked = CheckRequiredCurves(store, kLabel);
  if (!checked.ok) {
    Require(checked.message.starts_with(std::string("Property file \"") + kLabel + "\": curve \""),
            "a curve check that does not name the file and the curve", checked.message);
    return 0;
  }
  LookUpEverywhere(store);
  return 0;
}
