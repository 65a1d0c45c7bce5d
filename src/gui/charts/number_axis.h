#pragma once

#include <QString>
#include <vector>

#include "core/text/axis_ticks.h"

class QCategoryAxis;

namespace dorix {

// A chart axis running from the first tick to the last, each tick labelled
// with its value in the report's number format.
QCategoryAxis* NewNumberAxis(const QString& title, const std::vector<AxisTick>& ticks);

}  // namespace dorix
