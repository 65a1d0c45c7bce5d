// SPDX-License-Identifier: MIT
#include "gui/profile/tube_chart.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QLineSeries>
#include <QPen>
#include <algorithm>

#include "gui/charts/number_axis.h"
#include "gui/profile/profile_texts.h"

namespace dorix {

namespace {

// Beyond this many tubes only every few carry their number.
constexpr int kMostTubeLabels = 25;

// The tube numbers under the bars, which stand at 0, 1, 2, ... along the
// axis: each name sits on its bar, every tube's or every few tubes'.
QCategoryAxis* NewTubeAxis(const TubeProfile& profile) {
  auto* axis = new QCategoryAxis;
  axis->setTitleText(QStringLiteral("Tube, counted from the top"));
  axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  axis->setGridLineVisible(false);
  axis->setTruncateLabels(false);
  const int count = static_cast<int>(profile.tubes.size());
  const int stride = std::max(1, (count + kMostTubeLabels - 1) / kMostTubeLabels);
  axis->setStartValue(-0.5);
  int named = 0;
  for (const TubeShare& tube : profile.tubes) {
    const bool due = tube.tube == 1 || tube.tube % stride == 0;
    // The last tube too, unless it would crowd the name before it.
    const bool last = tube.tube == count && tube.tube - named > stride / 2;
    if (!due && !last) continue;
    QString label = QString::number(tube.tube);
    // The part tube that ends a fractional row.
    if (tube.portion != 1.0) label += QStringLiteral(" (part)");
    axis->append(label, tube.tube - 1);
    named = tube.tube;
  }
  axis->setRange(-0.5, count - 0.5);
  return axis;
}

}  // namespace

TubeChart::TubeChart(const TubeProfile& profile, TubeQuantity quantity) {
  const bool coefficient = quantity == TubeQuantity::kCoefficient;
  legend()->setAlignment(Qt::AlignBottom);
  bars_ = new QBarSet(coefficient ? QStringLiteral("Coefficient of each tube h")
                                  : QStringLiteral("Condensation rate of each tube"));
  bars_->setColor(coefficient ? QColor(0xb2, 0x22, 0x22) : QColor(0x1f, 0x4e, 0x9a));
  double top = coefficient ? profile.h : 0.0;
  for (const TubeShare& tube : profile.tubes) {
    const double value = coefficient ? tube.h : tube.m;
    bars_->append(value);
    top = std::max(top, value);
  }
  auto* series = new QBarSeries;
  series->append(bars_);
  addSeries(series);

  QCategoryAxis* tubes = NewTubeAxis(profile);
  addAxis(tubes, Qt::AlignBottom);
  series->attachAxis(tubes);
  const QString title = coefficient ? "Coefficient h [" + CoefficientUnit(false).trimmed() + "]"
                                    : QStringLiteral("Rate [kg/m s]");
  QCategoryAxis* values = NewNumberAxis(title, LinearTicks(0.0, top * 1.05));
  addAxis(values, Qt::AlignLeft);
  series->attachAxis(values);

  if (coefficient) {
    auto* average = new QLineSeries;
    average->setName(AverageTitle(profile.h, false));
    QPen pen(QColor(0x40, 0x40, 0x40), 1.5, Qt::DashLine);
    pen.setCosmetic(true);
    average->setPen(pen);
    average->append(-0.5, profile.h);
    average->append(static_cast<double>(profile.tubes.size()) - 0.5, profile.h);
    addSeries(average);
    average->attachAxis(tubes);
    average->attachAxis(values);
  }
}

}  // namespace dorix
