// SPDX-License-Identifier: MIT
#pragma once

#include <QChart>

#include "core/solvers/tube_profile.h"

class QBarSet;

namespace dorix {

// What a tube chart shows of each tube.
enum class TubeQuantity { kCoefficient, kCondensationRate };

// One bar per tube of a row, from the top tube down; the coefficient chart
// also draws the row's average, the report's h.
class TubeChart : public QChart {
  Q_OBJECT

 public:
  TubeChart(const TubeProfile& profile, TubeQuantity quantity);

  QBarSet* Bars() const { return bars_; }

 private:
  QBarSet* bars_ = nullptr;
};

}  // namespace dorix
