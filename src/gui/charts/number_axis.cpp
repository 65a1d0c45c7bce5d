#include "gui/charts/number_axis.h"

#include <QCategoryAxis>

#include "core/text/format_value.h"

namespace dorix {

QCategoryAxis* NewNumberAxis(const QString& title, const std::vector<AxisTick>& ticks) {
  auto* axis = new QCategoryAxis;
  axis->setTitleText(title);
  axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  const double first = ticks.front().at;
  const double last = ticks.back().at;
  // A label sits at the end of its category; a sliver of a category before
  // the first tick gives the axis start its label too.
  axis->setStartValue(first - (last - first) * 1e-6);
  for (const AxisTick& tick : ticks) {
    axis->append(QString::fromStdString(FormatValue(tick.value)), tick.at);
  }
  axis->setRange(first, last);
  return axis;
}

}  // namespace dorix
