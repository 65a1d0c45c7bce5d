// SPDX-License-Identifier: MIT
#include "core/props/property_store.h"

#include "core/props/property_curve.h"

namespace dorix {

PropertyStore::PropertyStore()
    : PropName(kMaxCurves + 1), PropCount(kMaxCurves + 1, 0), PropData(kMaxCurves + 1) {
  for (CurvePoints& curve : PropData) {
    for (auto& column : curve) column.fill(0.0F);
  }
}

int PropertyStore::FindCurve(const std::string& name) const {
  for (int i = 1; i <= kMaxCurves; ++i) {
    if (PropName[i] == name && !name.empty()) return i;
  }
  return 0;
}

void PropertyStore::IndexCurves() {
  fits_.assign(kMaxCurves + 1, {});
  for (int fluid = 1; fluid < static_cast<int>(slots_.size()); ++fluid) {
    for (int code = 1; code < static_cast<int>(slots_[fluid].size()); ++code) {
      const int slot = FindCurve(CurveName(fluid, code));
      slots_[fluid][code] = static_cast<std::int16_t>(slot);
      const int n = slot == 0 ? 0 : PropCount[slot];
      if (n < 4 || !fits_[slot].empty()) continue;
      fits_[slot].resize(static_cast<std::size_t>(n) + 1);
      for (const int s : WindowStarts(n)) {
        fits_[slot][static_cast<std::size_t>(s)] =
            FitWindow(PropData[slot][1].data(), PropData[slot][2].data(), s);
      }
    }
  }
}

const CubicFit* PropertyStore::WindowFits(int slot) const {
  if (slot < 1 || slot >= static_cast<int>(fits_.size()) || fits_[slot].empty()) return nullptr;
  return fits_[slot].data();
}

int PropertyStore::CurveSlot(int fluid, int code) const {
  if (fluid < 1 || fluid >= static_cast<int>(slots_.size()) || code < 1 ||
      code >= static_cast<int>(slots_[fluid].size())) {
    return 0;
  }
  return slots_[fluid][code];
}

}  // namespace dorix
