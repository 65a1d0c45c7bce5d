// SPDX-License-Identifier: MIT
#include "delivered_store.h"

#include <fstream>
#include <sstream>

#include "core/props/property_file.h"

namespace dorix::testing_support {

const PropertyStore& DeliveredStore() {
  static const PropertyStore store = [] {
    PropertyStore loaded;
    const LoadResult result = LoadPropertyFile(DORIX_PROPERTY_FILE, loaded);
    EXPECT_TRUE(result.ok) << result.message;
    return loaded;
  }();
  return store;
}

std::vector<ReferenceRow> ReferenceRows(const std::string& curve) {
  std::ifstream file(std::string(DORIX_REFERENCE_DIR) + "/" + curve + ".csv");
  EXPECT_TRUE(file.good()) << "no reference table for " << curve;
  std::vector<ReferenceRow> rows;
  std::string line;
  while (std::getline(file, line)) {
    if (line.empty() || line[0] == '#' || line == "x,y") continue;
    std::istringstream fields(line);
    ReferenceRow row;
    char comma = 0;
    fields >> row.x >> comma >> row.y;
    rows.push_back(row);
  }
  return rows;
}

std::vector<CurveId> DeliveredCurves() {
  const char* const prefixes[] = {"wat", "nh3",     "n2",      "hg",   "fre22", "fr134a",
                                  "r32", "r1234yf", "r1234ze", "r290", "r600a", "co2"};
  const char* const suffixes[] = {"rol", "mul", "kl",  "prl", "tsat", "psat",
                                  "sig", "hfg", "muv", "kv",  "cpv"};
  std::vector<CurveId> curves;
  for (int fluid = 1; fluid <= 12; ++fluid) {
    for (int code = 1; code <= 11; ++code) {
      if (fluid == 4 && code == 11) continue;
      curves.push_back({std::string(prefixes[fluid - 1]) + suffixes[code - 1], fluid, code});
    }
  }
  return curves;
}

void PrintTo(const CurveId& curve, std::ostream* out) {
  *out << curve.name;
}

std::string CurveParamName(const ::testing::TestParamInfo<CurveId>& info) {
  return info.param.name;
}

float PointX(const std::string& curve, int j) {
  return DeliveredStore().PropData[DeliveredStore().FindCurve(curve)][1][j];
}

float PointY(const std::string& curve, int j) {
  return DeliveredStore().PropData[DeliveredStore().FindCurve(curve)][2][j];
}

int PointCount(const std::string& curve) {
  return DeliveredStore().PropCount[DeliveredStore().FindCurve(curve)];
}

}  // namespace dorix::testing_support
