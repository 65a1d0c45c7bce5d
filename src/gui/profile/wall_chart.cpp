// SPDX-License-Identifier: MIT
#include "gui/profile/wall_chart.h"

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QGraphicsSimpleTextItem>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <algorithm>
#include <cmath>

#include "gui/charts/chart_crosshair.h"
#include "gui/charts/number_axis.h"
#include "gui/profile/profile_texts.h"

namespace dorix {

namespace {

const QColor kReColor(0x1f, 0x4e, 0x9a);
const QColor kHColor(0xb2, 0x22, 0x22);
const QColor kMarkColor(0x40, 0x40, 0x40);
const QColor kDryOutColor(0x8b, 0x45, 0x13);

QColor ZoneColor(WallZone zone) {
  switch (zone) {
    case WallZone::kLaminar:
      return {0xd6, 0xea, 0xd6, 170};
    case WallZone::kWavyLaminar:
      return {0xfb, 0xec, 0xc0, 170};
    case WallZone::kTurbulent:
      return {0xf4, 0xd3, 0xd3, 170};
    case WallZone::kDry:
      return {0xd0, 0xd0, 0xd0, 170};
  }
  return Qt::white;
}

// Where a film thins towards nothing its laminar h grows without bound; the
// axis is scaled to the film that has at least this share of the largest
// Reynolds number, and the curve may run off its top elsewhere.
constexpr double kScaledFilm = 0.05;

// The span of the coefficient axis: from zero, or below it where unusual
// coefficients make h negative, to the largest h of the scaled film.
std::pair<double, double> CoefficientRange(const WallProfile& profile) {
  double ReMax = 0.0;
  for (const ProfilePoint& point : profile.points) ReMax = std::max(ReMax, point.Re);
  double bottom = std::min(profile.hAvg.value_or(0.0), 0.0);
  double top = std::max(profile.hAvg.value_or(0.0), 0.0);
  for (const ProfilePoint& point : profile.points) {
    if (!point.h || point.Re < kScaledFilm * ReMax) continue;
    bottom = std::min(bottom, *point.h);
    top = std::max(top, *point.h);
  }
  return {bottom * 1.05, top > 0 ? top * 1.05 : 1.0};
}

QPen LinePen(const QColor& color, qreal width, Qt::PenStyle style = Qt::SolidLine) {
  QPen pen(color, width, style);
  pen.setCosmetic(true);
  return pen;
}

}  // namespace

WallChart::WallChart(WallProfile profile, bool logRe) : profile_(std::move(profile)) {
  // Beside the plot, where the names have room to be read whole.
  legend()->setAlignment(Qt::AlignRight);
  // A dashed average as a dashed line, not as a square of its colour.
  legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
  xAxis_ =
      NewNumberAxis(QStringLiteral("Distance from the top edge x [m]"), TicksEndingAt(profile_.L));
  addAxis(xAxis_, Qt::AlignBottom);
  const auto [hLow, hHigh] = CoefficientRange(profile_);
  const std::vector<AxisTick> hTicks = LinearTicks(hLow, hHigh);
  hBottom_ = hTicks.front().at;
  hTop_ = hTicks.back().at;
  hAxis_ = NewNumberAxis(
      "Local heat transfer coefficient h [" + CoefficientUnit(profile_.evaporating).trimmed() + "]",
      hTicks);
  addAxis(hAxis_, Qt::AlignRight);

  AddZones();
  AddMarks();
  AddCurves(logRe);

  crosshair_ = new ChartCrosshair(this);
  connect(this, &QChart::plotAreaChanged, this, &WallChart::PlaceZoneLabels);
}

void WallChart::AddZones() {
  std::vector<WallZone> named;
  for (const ZoneSpan& span : profile_.zones) {
    auto* upper = new QLineSeries;
    upper->append(span.from, hTop_);
    upper->append(span.to, hTop_);
    auto* lower = new QLineSeries;
    lower->append(span.from, hBottom_);
    lower->append(span.to, hBottom_);
    auto* area = new QAreaSeries(upper, lower);
    upper->setParent(area);
    lower->setParent(area);
    area->setName(ZoneTitle(span.zone));
    area->setBrush(ZoneColor(span.zone));
    area->setPen(Qt::NoPen);
    addSeries(area);
    area->attachAxis(xAxis_);
    area->attachAxis(hAxis_);
    // One legend entry per law, however often the film passes it, a square
    // of its colour.
    const bool shown = std::find(named.begin(), named.end(), span.zone) == named.end();
    for (QLegendMarker* marker : legend()->markers(area)) {
      marker->setVisible(shown);
      marker->setShape(QLegend::MarkerShapeRectangle);
    }
    named.push_back(span.zone);

    auto* label = new QGraphicsSimpleTextItem(ZoneTitle(span.zone), this);
    label->setZValue(10);
    zoneLabels_.emplace_back(span, label);
  }
}

void WallChart::AddMarks() {
  for (const TransitionMark& mark : profile_.transitions) {
    AddVerticalLine(mark.x, TransitionTitle(mark), LinePen(kMarkColor, 1.5, Qt::DashLine));
  }
  if (profile_.xDry) {
    AddVerticalLine(*profile_.xDry, DryOutTitle(*profile_.xDry),
                    LinePen(kDryOutColor, 2, Qt::DashDotLine));
  }
}

void WallChart::AddCurves(bool logRe) {
  double ReMax = 0.0;
  double ReLow = 0.0;
  double ReMin = 0.0;
  reSeries_ = new QLineSeries;
  reSeries_->setName(QStringLiteral("Film Reynolds number Re(x)"));
  reSeries_->setPen(LinePen(kReColor, 2));
  hSeries_ = new QLineSeries;
  hSeries_->setName(QStringLiteral("Local coefficient h(x)"));
  hSeries_->setPen(LinePen(kHColor, 2));
  for (const ProfilePoint& point : profile_.points) {
    ReMax = std::max(ReMax, point.Re);
    ReLow = std::min(ReLow, point.Re);
    if (point.h) hSeries_->append(point.x, *point.h);
    if (!logRe) {
      reSeries_->append(point.x, point.Re);
    } else if (point.Re > 0) {
      // A logarithmic axis has no place for a film of nothing.
      reSeries_->append(point.x, std::log10(point.Re));
      ReMin = ReMin > 0 ? std::min(ReMin, point.Re) : point.Re;
    }
  }

  if (logRe) {
    // Films a millionth of the largest run off the bottom.
    reAxis_ = NewDecadeAxis(QStringLiteral("Film Reynolds number Re (logarithmic scale)"),
                            DecadeTicks(std::max(ReMin, ReMax * 1e-6), ReMax));
  } else {
    reAxis_ = NewNumberAxis(QStringLiteral("Film Reynolds number Re"), LinearTicks(ReLow, ReMax));
  }
  addAxis(reAxis_, Qt::AlignLeft);

  if (profile_.hAvg) {
    auto* average = new QLineSeries;
    average->setName(AverageTitle(*profile_.hAvg, profile_.evaporating));
    average->setPen(LinePen(kHColor, 1.5, Qt::DashLine));
    average->append(0.0, *profile_.hAvg);
    average->append(profile_.L, *profile_.hAvg);
    addSeries(average);
    average->attachAxis(xAxis_);
    average->attachAxis(hAxis_);
  }
  addSeries(hSeries_);
  hSeries_->attachAxis(xAxis_);
  hSeries_->attachAxis(hAxis_);
  addSeries(reSeries_);
  reSeries_->attachAxis(xAxis_);
  reSeries_->attachAxis(reAxis_);
}

QLineSeries* WallChart::AddVerticalLine(double x, const QString& name, const QPen& pen) {
  auto* line = new QLineSeries;
  line->setName(name);
  line->setPen(pen);
  line->append(x, hBottom_);
  line->append(x, hTop_);
  addSeries(line);
  line->attachAxis(xAxis_);
  line->attachAxis(hAxis_);
  return line;
}

std::size_t WallChart::NearestPoint(double x) const {
  const auto& points = profile_.points;
  const auto after = std::lower_bound(points.begin(), points.end(), x,
                                      [](const ProfilePoint& p, double v) { return p.x < v; });
  if (after == points.begin()) return 0;
  if (after == points.end()) return points.size() - 1;
  const auto before = after - 1;
  const auto nearest = (x - before->x <= after->x - x) ? before : after;
  return static_cast<std::size_t>(nearest - points.begin());
}

double WallChart::XAt(QPointF chartPosition) {
  return mapToValue(chartPosition, hSeries_).x();
}

void WallChart::ShowCrosshair(double x) {
  if (!(x >= 0 && x <= profile_.L)) {
    HideCrosshair();
    return;
  }
  crosshair_->ShowAt(x, hSeries_);
}

void WallChart::HideCrosshair() {
  crosshair_->hide();
}

void WallChart::PlaceZoneLabels() {
  const qreal top = plotArea().top() + 4;
  for (const auto& [span, label] : zoneLabels_) {
    const qreal left = mapToPosition(QPointF(span.from, 0.0), hSeries_).x();
    const qreal right = mapToPosition(QPointF(span.to, 0.0), hSeries_).x();
    const qreal width = label->boundingRect().width();
    // A zone too narrow for its name is named by its colour in the legend.
    label->setVisible(width + 6 <= right - left);
    label->setPos((left + right - width) / 2, top);
  }
}

}  // namespace dorix
