// SPDX-License-Identifier: MIT
#include "gui/charts/number_axis.h"

#include <QCategoryAxis>
#include <string>

#include "core/text/log_ticks.h"

namespace dorix {

namespace {

QCategoryAxis* NewLabelledAxis(const QString& title, const std::vector<AxisTick>& ticks,
                               const std::vector<std::string>& labels) {
  auto* axis = new QCategoryAxis;
  axis->setTitleText(title);
  axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  // A number cut to "..." says nothing: the plot gives way to the labels.
  axis->setTruncateLabels(false);
  const double first = ticks.front().at;
  const double last = ticks.back().at;
  // A label sits at the end of its category; a sliver of a category before
  // the first tick gives the axis start its label too.
  axis->setStartValue(first - (last - first) * 1e-6);
  for (std::size_t i = 0; i < ticks.size(); ++i) {
    axis->append(QString::fromStdString(labels[i]), ticks[i].at);
  }
  axis->setRange(first, last);
  return axis;
}

}  // namespace

QCategoryAxis* NewNumberAxis(const QString& title, const std::vector<AxisTick>& ticks) {
  return NewLabelledAxis(title, ticks, TickLabels(ticks));
}

QCategoryAxis* NewLogarithmicAxis(const QString& title, const std::vector<AxisTick>& ticks) {
  return NewLabelledAxis(title, ticks, LogarithmicTickLabels(ticks));
}

QCategoryAxis* NewDecadeAxis(const QString& title, const std::vector<AxisTick>& ticks) {
  return NewLabelledAxis(title, ticks, DecadeLabels(ticks));
}

}  // namespace dorix
