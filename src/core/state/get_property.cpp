// SPDX-License-Identifier: MIT
#include "core/state/get_property.h"

#include "core/state/module1.h"

namespace dorix {

void GetProperty(int fluid, int code, double x, double& result) {
  if (IsConstantProperty(fluid, code)) {
    result = kMercuryVaporSpecificHeat;
    return;
  }
  if (!SelectTable(CurveName(fluid, code))) {
    Module1.OutOfRange = 1;
    return;
  }
  const std::optional<double> value =
      EvaluateCurve({Module1.TabX.data(), Module1.TabY.data(), Module1.TabN}, x);
  if (value) {
    result = *value;
  } else {
    Module1.OutOfRange = 1;
  }
}

bool SelectTable(const std::string& name) {
  const PropertyStore& store = Module1.Store;
  const int slot = store.FindCurve(name);
  if (slot == 0) return false;
  const int count = store.PropCount[slot];
  for (int j = 1; j <= count; ++j) {
    Module1.TabX[j] = store.PropData[slot][1][j];
    Module1.TabY[j] = store.PropData[slot][2][j];
  }
  Module1.TabN = store.PropCount[slot];
  return true;
}

}  // namespace dorix
