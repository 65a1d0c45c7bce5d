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
  for (int fluid = 1; fluid < static_cast<int>(slots_.size()); ++fluid) {
    for (int code = 1; code < static_cast<int>(slots_[fluid].size()); ++code) {
      slots_[fluid][code] = static_cast<std::int16_t>(FindCurve(CurveName(fluid, code)));
    }
  }
}

int PropertyStore::CurveSlot(int fluid, int code) const {
  if (fluid < 1 || fluid >= static_cast<int>(slots_.size()) || code < 1 ||
      code >= static_cast<int>(slots_[fluid].size())) {
    return 0;
  }
  return slots_[fluid][code];
}

}  // namespace dorix
