// SPDX-License-Identifier: MIT
#include "gui/profile/profile_window.h"

#include <QBarSet>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/calc/profile_csv.h"
#include "gui/charts/hover_chart_view.h"
#include "gui/profile/profile_texts.h"
#include "gui/profile/tube_chart.h"
#include "gui/profile/wall_chart.h"
#include "gui/widgets/close_button.h"
#include "gui/widgets/push_button.h"

namespace dorix {

ProfileWindow::ProfileWindow(const QString& fileStem, MessageSink& messages, QWidget* parent)
    : QWidget(parent, Qt::Window), export_(this, fileStem, messages) {
  setObjectName(QStringLiteral("frmProfile"));
  resize(1120, 700);

  auto* root = new QVBoxLayout(this);
  lblSummary = new QLabel(this);
  lblSummary->setObjectName(QStringLiteral("lblSummary"));
  lblSummary->setWordWrap(true);
  lblSummary->setTextInteractionFlags(Qt::TextSelectableByMouse);
  root->addWidget(lblSummary);

  charts_ = new QWidget(this);
  chartLayout_ = new QVBoxLayout(charts_);
  chartLayout_->setContentsMargins(0, 0, 0, 0);
  root->addWidget(charts_, 1);

  lblReadout = new QLabel(this);
  lblReadout->setObjectName(QStringLiteral("lblReadout"));
  lblReadout->setTextInteractionFlags(Qt::TextSelectableByMouse);
  root->addWidget(lblReadout);

  auto* tools = new QHBoxLayout;
  chkLogRe = new QCheckBox(QStringLiteral("Logarithmic Re scale"), this);
  chkLogRe->setObjectName(QStringLiteral("chkLogRe"));
  cmdExportPng = NewPushButton(this, "cmdExportPng", QStringLiteral("Export PNG..."));
  cmdExportCsv = NewPushButton(this, "cmdExportCsv", QStringLiteral("Export CSV..."));
  tools->addWidget(chkLogRe);
  tools->addStretch(1);
  tools->addWidget(cmdExportPng);
  tools->addWidget(cmdExportCsv);
  tools->addWidget(cmdClose = NewCloseButton(this));
  root->addLayout(tools);

  connect(chkLogRe, &QCheckBox::toggled, this, &ProfileWindow::Redraw);
  connect(cmdExportPng, &QPushButton::clicked, this, &ProfileWindow::ExportPng);
  connect(cmdExportCsv, &QPushButton::clicked, this, &ProfileWindow::ExportCsv);
}

void ProfileWindow::ShowProfile(const QString& title, Profile profile) {
  setWindowTitle(title);
  profile_ = std::move(profile);
  const bool wall = std::holds_alternative<WallProfile>(profile_);
  // A row of tubes has no Reynolds number to scale.
  chkLogRe->setVisible(wall);
  lblSummary->setText(wall ? WallSummary(std::get<WallProfile>(profile_))
                           : TubeSummary(std::get<TubeProfile>(profile_)));
  Redraw();
  show();
  raise();
  activateWindow();
}

void ProfileWindow::ClearCharts() {
  while (QLayoutItem* item = chartLayout_->takeAt(0)) {
    delete item->widget();
    delete item;
  }
  wallChart_ = nullptr;
  tubeCharts_.clear();
}

void ProfileWindow::Redraw() {
  ClearCharts();
  if (const auto* wall = std::get_if<WallProfile>(&profile_)) {
    lblReadout->setText(QStringLiteral("Point at the chart to read x, Re and h there."));
    wallChart_ = new WallChart(*wall, chkLogRe->isChecked());
    auto* view = new HoverChartView(wallChart_, charts_);
    connect(view, &HoverChartView::hovered, this,
            [this](QPointF at) { ShowWallReadout(wallChart_->XAt(at)); });
    connect(view, &HoverChartView::left, this, [this] { wallChart_->HideCrosshair(); });
    chartLayout_->addWidget(view);
    return;
  }
  lblReadout->setText(QStringLiteral("Point at a bar to read its tube's values."));
  for (const TubeQuantity quantity :
       {TubeQuantity::kCoefficient, TubeQuantity::kCondensationRate}) {
    auto* chart = new TubeChart(std::get<TubeProfile>(profile_), quantity);
    auto* view = new HoverChartView(chart, charts_);
    connect(chart->Bars(), &QBarSet::hovered, this, [this](bool over, int index) {
      if (over) ShowTubeReadout(index);
    });
    tubeCharts_.push_back(chart);
    chartLayout_->addWidget(view);
  }
}

void ProfileWindow::ShowWallReadout(double x) {
  const auto* wall = std::get_if<WallProfile>(&profile_);
  if (wall == nullptr || wallChart_ == nullptr || wall->points.empty()) return;
  if (!(x >= 0 && x <= wall->L)) {
    wallChart_->HideCrosshair();
    return;
  }
  const ProfilePoint& point = wall->points[wallChart_->NearestPoint(x)];
  wallChart_->ShowCrosshair(point.x);
  lblReadout->setText(WallReadout(point, wall->evaporating));
}

void ProfileWindow::ShowTubeReadout(int index) {
  const auto* row = std::get_if<TubeProfile>(&profile_);
  if (row == nullptr || index < 0 || index >= static_cast<int>(row->tubes.size())) return;
  lblReadout->setText(TubeReadout(row->tubes[static_cast<std::size_t>(index)]));
}

bool ProfileWindow::ExportPng() {
  return export_.Png(*charts_);
}

bool ProfileWindow::ExportCsv() {
  return export_.Csv(QStringLiteral("Export the profile data as CSV"), ProfileCsv(profile_));
}

}  // namespace dorix
