#include "props/property_store.h"

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

}  // namespace dorix
