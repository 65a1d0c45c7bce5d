// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <vector>

#include "core/text/axis_ticks.h"

class QCategoryAxis;

namespace dorix {

// A chart axis running from the first tick to the last, each tick labelled
// with its value, all labels in one notation (TickLabels).
QCategoryAxis* NewNumberAxis(const QString& title, const std::vector<AxisTick>& ticks);

// A logarithmic axis at round values over any span, each labelled with the
// decimals it needs.
QCategoryAxis* NewLogarithmicAxis(const QString& title, const std::vector<AxisTick>& ticks);

// A logarithmic axis: the ticks sit at the powers of ten, labelled "10³".
QCategoryAxis* NewDecadeAxis(const QString& title, const std::vector<AxisTick>& ticks);

}  // namespace dorix
