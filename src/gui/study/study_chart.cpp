// SPDX-License-Identifier: MIT
#include "gui/study/study_chart.h"

#include <QCategoryAxis>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <QScatterSeries>
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "core/calc/outcome_record.h"
#include "core/fluids/fluid.h"
#include "core/text/log_ticks.h"
#include "gui/charts/chart_crosshair.h"
#include "gui/charts/number_axis.h"
#include "gui/profile/profile_texts.h"
#include "gui/study/study_texts.h"

namespace dorix {

namespace {

// A curve of up to this many points is drawn thick, its points marked;
// beyond, as a thin line, which draws many times faster than a thick one.
constexpr std::size_t kMostMarkedPoints = 40;

// Twelve colours that stay apart on white, one per fluid.
QColor FluidColor(int fluid) {
  static const std::array<QColor, kFluidCount> kColors = {{{0x1f, 0x4e, 0x9a},
                                                           {0xd9, 0x5f, 0x02},
                                                           {0x1b, 0x9e, 0x77},
                                                           {0x75, 0x70, 0xb3},
                                                           {0xe7, 0x29, 0x8a},
                                                           {0x66, 0x66, 0x66},
                                                           {0x8c, 0x56, 0x4b},
                                                           {0x00, 0x9e, 0xd8},
                                                           {0x9a, 0x8a, 0x00},
                                                           {0xc0, 0x1e, 0x1e},
                                                           {0x5a, 0x1e, 0x82},
                                                           {0x2c, 0xa0, 0x2c}}};
  return kColors[static_cast<std::size_t>(std::clamp(fluid, 1, kFluidCount) - 1)];
}

QPen LinePen(const QColor& color, qreal width, Qt::PenStyle style = Qt::SolidLine) {
  QPen pen(color, width, style);
  pen.setCosmetic(true);
  return pen;
}

// The fluids beyond the first six are drawn dashed, so that no two curves
// look alike even where two colours come close.
Qt::PenStyle FluidLineStyle(int fluid) {
  return fluid > kR134a ? Qt::DashLine : Qt::SolidLine;
}

// Where a value sits on an axis: none where it has no place on the scale.
std::optional<double> Position(std::optional<double> value, bool logarithmic) {
  if (!value || !std::isfinite(*value)) return std::nullopt;
  if (!logarithmic) return *value;
  if (*value <= 0.0) return std::nullopt;
  return std::log10(*value);
}

std::vector<AxisTick> Ticks(double lo, double hi, bool logarithmic) {
  return logarithmic ? LogarithmicTicks(lo, hi) : LinearTicks(lo, hi);
}

// The runs of consecutive points of a curve that have a place on the plot.
template <typename Value>
std::vector<QList<QPointF>> Runs(const Study& study, const StudyCurve& curve, StudyScales scales,
                                 Value value) {
  std::vector<QList<QPointF>> runs;
  bool open = false;
  for (const StudyPoint& point : curve.points) {
    const std::optional<double> x = Position(study.X(point), scales.logX);
    const std::optional<double> y = Position(value(point), scales.logY);
    if (!x || !y) {
      open = false;
      continue;
    }
    if (!open) runs.emplace_back();
    runs.back().append(QPointF(*x, *y));
    open = true;
  }
  return runs;
}

// A dashed line is drawn segment by segment: a transition, which changes
// only with the film's properties, keeps every few of its points and its last.
QList<QPointF> Thinned(const QList<QPointF>& run) {
  constexpr qsizetype kMostDashedPoints = 100;
  const qsizetype step = (run.size() + kMostDashedPoints - 1) / kMostDashedPoints;
  if (step <= 1) return run;
  QList<QPointF> thinned;
  for (qsizetype i = 0; i < run.size(); i += step) thinned.append(run[i]);
  if (thinned.back() != run.back()) thinned.append(run.back());
  return thinned;
}

// The span of the values a result takes, on its scale.
std::pair<double, double> ValueSpan(const Study& study, std::size_t result, bool logarithmic) {
  double lo = INFINITY;
  double hi = -INFINITY;
  for (const StudyCurve& curve : study.curves) {
    for (const StudyPoint& point : curve.points) {
      const std::optional<double> y = point.row.results[result];
      if (!Position(y, logarithmic)) continue;
      lo = std::min(lo, *y);
      hi = std::max(hi, *y);
    }
  }
  if (lo > hi) return logarithmic ? std::pair{1.0, 10.0} : std::pair{0.0, 1.0};
  return {lo, hi};
}

}  // namespace

StudyChart::StudyChart() {
  legend()->setAlignment(Qt::AlignRight);
  // Lines as lines and dry-out marks as triangles: colours alone would
  // make a fluid's curve and another's marks look alike.
  legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
  crosshair_ = new ChartCrosshair(this);
}

void StudyChart::Show(const Study& study, std::size_t result, StudyScales scales) {
  crosshair_->hide();
  removeAllSeries();
  for (QAbstractAxis* axis : axes()) {
    removeAxis(axis);
    delete axis;
  }
  curves_.clear();
  transitions_.clear();
  scales_ = scales;

  const std::vector<AxisTick> xTicks =
      Ticks(std::min(study.range.start, study.range.stop),
            std::max(study.range.start, study.range.stop), scales_.logX);
  QString field = SweptTitle(study);
  if (study.reducedPressure) {
    field += ", each fluid at p/pc = " + NumberText(*study.reducedPressure);
  }
  xAxis_ = scales_.logX ? NewLogarithmicAxis(field + " (log scale)", xTicks)
                        : NewNumberAxis(field, xTicks);
  // The range's ends are the plot's, not the round values beyond them.
  if (scales_.logX) {
    xAxis_->setRange(XPosition(std::min(study.range.start, study.range.stop)),
                     XPosition(std::max(study.range.start, study.range.stop)));
  }
  addAxis(xAxis_, Qt::AlignBottom);

  const std::string_view name = study.table.ColumnName(study.table.FirstResultColumn() + result);
  const auto [lo, hi] = ValueSpan(study, result, scales_.logY);
  const std::vector<AxisTick> yTicks = Ticks(lo, hi, scales_.logY);
  yBottom_ = yTicks.front().at;
  yTop_ = yTicks.back().at;
  // The full name above the plot; beside it, where a low chart has little
  // room, the short caption and unit, the unit on a line of its own after a
  // caption of words.
  setTitle(ResultAxisTitle(*study.problem, name));
  QString title = ColumnTitle(*study.problem, name);
  const qsizetype unit = title.indexOf(QStringLiteral(" ["));
  if (unit > 0 && title.left(unit).contains(' ')) title.replace(unit, 2, QStringLiteral("<br>["));
  yAxis_ = scales_.logY ? NewLogarithmicAxis(title + " (log scale)", yTicks)
                        : NewNumberAxis(title, yTicks);
  addAxis(yAxis_, Qt::AlignLeft);

  frame_ = new QLineSeries;
  Attach(frame_, false);
  AddCurves(study, result);
  if (name == kReynoldsNumber) AddTransitions(study);
}

// Points come after the axes: a series placed on the plot with its points
// would be laid out once for each axis it is attached to.
void StudyChart::Attach(QAbstractSeries* series, bool inLegend) {
  addSeries(series);
  series->attachAxis(xAxis_);
  series->attachAxis(yAxis_);
  if (!inLegend) {
    for (QLegendMarker* marker : legend()->markers(series)) marker->setVisible(false);
  }
}

QLineSeries* StudyChart::NewPiece(const QPen& pen) {
  auto* piece = new QLineSeries;
  piece->setPen(pen);
  return piece;
}

void StudyChart::AddCurves(const Study& study, std::size_t result) {
  const bool single = study.curves.size() == 1;
  for (const StudyCurve& curve : study.curves) {
    FluidCurve& drawn = curves_[curve.fluid];
    const QColor color = FluidColor(curve.fluid);
    std::vector<QList<QPointF>> runs = Runs(
        study, curve, scales_, [&](const StudyPoint& point) { return point.row.results[result]; });
    // A fluid refused throughout still has its name in the legend, greyed,
    // with why.
    const bool none = runs.empty();
    if (none) runs.emplace_back();
    for (QList<QPointF>& run : runs) {
      const bool sparse = curve.points.size() <= kMostMarkedPoints;
      QLineSeries* piece = NewPiece(LinePen(color, sparse ? 2 : 1, FluidLineStyle(curve.fluid)));
      piece->setPointsVisible(sparse || run.size() == 1);
      piece->setMarkerSize(sparse ? 3.5 : 2.5);
      const bool first = drawn.pieces.empty();
      if (first) piece->setName(none ? NoCurveTitle(curve) : CurveTitle(curve));
      Attach(piece, first);
      if (first && none) {
        for (QLegendMarker* marker : legend()->markers(piece)) marker->setLabelBrush(Qt::gray);
      }
      piece->replace(run);
      drawn.pieces.push_back(piece);
    }

    QList<QPointF> dryOuts;
    const double markHeight = yBottom_ + 0.03 * (yTop_ - yBottom_);
    for (const StudyPoint& point : curve.points) {
      const std::optional<double> x = Position(study.X(point), scales_.logX);
      if (point.row.status == CalculationOutcome::Status::kDryOut && x) {
        dryOuts.append(QPointF(*x, markHeight));
      }
    }
    if (dryOuts.isEmpty()) continue;
    drawn.dryOuts = new QScatterSeries;
    drawn.dryOuts->setName(single
                               ? QStringLiteral("The film dries out")
                               : FluidTitle(curve.fluid) + QStringLiteral(": the film dries out"));
    drawn.dryOuts->setMarkerShape(QScatterSeries::MarkerShapeTriangle);
    drawn.dryOuts->setMarkerSize(9);
    drawn.dryOuts->setColor(color);
    drawn.dryOuts->setBorderColor(color);
    Attach(drawn.dryOuts, true);
    drawn.dryOuts->replace(dryOuts);
  }
}

void StudyChart::AddTransitions(const Study& study) {
  struct Kind {
    std::optional<double> StudyPoint::*value;
    const char* name;
    QColor color;
    Qt::PenStyle style;
  };
  // In colours of their own, the fluids' curves being many.
  const Kind kinds[] = {{&StudyPoint::ReWl, "Re(wl): laminar to wavy-laminar",
                         QColor(0x2e, 0x8b, 0x57), Qt::DashLine},
                        {&StudyPoint::ReTur, "Re(tur): wavy-laminar to turbulent",
                         QColor(0xb2, 0x22, 0x22), Qt::DashDotLine}};
  for (const Kind& kind : kinds) {
    bool named = false;
    for (const StudyCurve& curve : study.curves) {
      for (const QList<QPointF>& run : Runs(
               study, curve, scales_, [&](const StudyPoint& point) { return point.*kind.value; })) {
        // A transition the film never comes near would only squeeze the curves.
        const bool onPlot = std::any_of(run.begin(), run.end(), [&](const QPointF& p) {
          return p.y() >= yBottom_ && p.y() <= yTop_;
        });
        if (!onPlot) continue;
        QLineSeries* line = NewPiece(LinePen(kind.color, 1.2, kind.style));
        if (!named) line->setName(QString::fromUtf8(kind.name));
        Attach(line, !named);
        line->replace(Thinned(run));
        named = true;
        transitions_.push_back(line);
      }
    }
  }
}

double StudyChart::XPosition(double value) const {
  return scales_.logX ? std::log10(value) : value;
}

double StudyChart::ValueAt(QPointF chartPosition) {
  const double at = mapToValue(chartPosition, frame_).x();
  return scales_.logX ? std::pow(10.0, at) : at;
}

void StudyChart::ShowCrosshair(double value) {
  crosshair_->ShowAt(XPosition(value), frame_);
}

void StudyChart::HideCrosshair() {
  crosshair_->hide();
}

}  // namespace dorix
