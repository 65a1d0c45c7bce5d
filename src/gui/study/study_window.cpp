// SPDX-License-Identifier: MIT
#include "gui/study/study_window.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>
#include <cmath>

#include "core/fluids/fluid.h"
#include "core/state/module1.h"
#include "core/sweep/parallel_chunks.h"
#include "core/sweep/study_range.h"
#include "gui/charts/hover_chart_view.h"
#include "gui/study/study_chart.h"
#include "gui/study/study_controls.h"
#include "gui/study/study_table_model.h"
#include "gui/study/study_texts.h"
#include "gui/widgets/close_button.h"
#include "gui/widgets/push_button.h"

namespace dorix {

namespace {

// Charts too low for their labels would be no use: beyond two, they scroll.
constexpr int kChartMinimumHeight = 280;

}  // namespace

StudyWindow::StudyWindow(const Problem& problem, const QString& caption, const QString& fileStem,
                         MessageSink& messages, QWidget* parent)
    : QWidget(parent, Qt::Window),
      fields_(problem.defaults),
      messages_(messages),
      export_(this, fileStem, messages),
      fileStem_(fileStem) {
  setObjectName(QStringLiteral("frmStudy"));
  setWindowTitle(QStringLiteral("PARAMETRIC STUDY \u2014 ") + caption);
  resize(1200, 920);

  auto* root = new QVBoxLayout(this);
  controls = new StudyControls(problem, this);
  root->addWidget(controls);
  connect(controls, &StudyControls::runRequested, this, &StudyWindow::Run);
  connect(controls, &StudyControls::redrawRequested, this, &StudyWindow::Redraw);

  auto* split = new QSplitter(Qt::Vertical, this);
  auto* upper = new QWidget(split);
  auto* upperLayout = new QVBoxLayout(upper);
  upperLayout->setContentsMargins(0, 0, 0, 0);
  auto* scroll = new QScrollArea(upper);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  chartPane_ = new QWidget(scroll);
  chartLayout_ = new QVBoxLayout(chartPane_);
  chartLayout_->setContentsMargins(0, 0, 0, 0);
  scroll->setWidget(chartPane_);
  upperLayout->addWidget(scroll, 1);
  lblReadout = new QLabel(upper);
  lblReadout->setObjectName(QStringLiteral("lblReadout"));
  lblReadout->setWordWrap(true);
  lblReadout->setTextInteractionFlags(Qt::TextSelectableByMouse);
  upperLayout->addWidget(lblReadout);

  model_ = new StudyTableModel(this);
  tblPoints = new QTableView(split);
  tblPoints->setObjectName(QStringLiteral("tblPoints"));
  tblPoints->setModel(model_);
  tblPoints->setWordWrap(false);
  // Tab leaves the table for the next control instead of walking its cells.
  tblPoints->setTabKeyNavigation(false);
  tblPoints->installEventFilter(this);
  tblPoints->horizontalHeader()->setStretchLastSection(true);
  tblPoints->verticalHeader()->setDefaultSectionSize(tblPoints->fontMetrics().height() + 6);
  split->addWidget(upper);
  split->addWidget(tblPoints);
  split->setSizes({560, 260});
  root->addWidget(split, 1);

  auto* tools = new QHBoxLayout;
  cmdOpen = NewPushButton(this, "cmdOpen", QStringLiteral("&Open study..."));
  cmdSave = NewPushButton(this, "cmdSave", QStringLiteral("Sa&ve study..."));
  tools->addWidget(cmdOpen);
  tools->addWidget(cmdSave);
  connect(cmdOpen, &QPushButton::clicked, this, &StudyWindow::OpenStudy);
  connect(cmdSave, &QPushButton::clicked, this, &StudyWindow::SaveStudy);
  cmdExportPng = NewPushButton(this, "cmdExportPng", QStringLiteral("Export PNG..."));
  cmdExportSvg = NewPushButton(this, "cmdExportSvg", QStringLiteral("Export SVG..."));
  cmdExportCsv = NewPushButton(this, "cmdExportCsv", QStringLiteral("Export CSV..."));
  tools->addStretch(1);
  for (QPushButton* button : {cmdExportPng, cmdExportSvg, cmdExportCsv}) {
    button->setEnabled(false);  // until there is a study
    tools->addWidget(button);
  }
  cmdClose = NewCloseButton(this);
  tools->addWidget(cmdClose);
  root->addLayout(tools);
  connect(cmdExportPng, &QPushButton::clicked, this, &StudyWindow::ExportPng);
  connect(cmdExportSvg, &QPushButton::clicked, this, &StudyWindow::ExportSvg);
  connect(cmdExportCsv, &QPushButton::clicked, this, &StudyWindow::ExportCsv);
}

StudyWindow::~StudyWindow() {
  // The table outlives the study it shows: its view goes with the children.
  model_->SetStudy(nullptr);
}

void StudyWindow::Seed(const ProblemFields& fields, int fluid) {
  fields_ = fields;
  fluid_ = fluid;
  controls->OfferFields(fields_);
  Run();
  show();
  raise();
  activateWindow();
}

bool StudyWindow::Run() {
  std::string message;
  const std::optional<SweepRange> range =
      ReadStudyRange(controls->RangeText(), ProblemOf(fields_), message);
  if (!range) {
    messages_.ShowMessage(message);
    return false;
  }
  std::vector<int> fluids{fluid_};
  controls->lblFluid->setText("Fluid: " + FluidTitle(fluid_));
  if (controls->AllFluids()) {
    fluids.clear();
    for (const dorix::Fluid& fluid : kFluids) fluids.push_back(fluid.number);
    controls->lblFluid->setText(QStringLiteral("All fluids"));
  }
  controls->lblSetting->setText(SettingTitle(fields_));
  auto study = std::make_unique<Study>(
      RunStudy({fields_, *range, fluids}, Module1.Store, Module1.Grav, AllCores()));
  model_->SetStudy(study.get());
  study_ = std::move(study);
  ShowTable();
  Redraw();
  for (QPushButton* button : {cmdExportPng, cmdExportSvg, cmdExportCsv}) button->setEnabled(true);
  return true;
}

void StudyWindow::ShowTable() {
  tblPoints->clearSpans();
  for (int row = 0; row < model_->rowCount(); ++row) {
    const int span = model_->SpanAt(row);
    if (span > 1) tblPoints->setSpan(row, model_->FirstResultColumn(), 1, span);
  }
  // Wide enough for its title and for the widest number of six digits; measured
  // from the font, not from the cells, which would take longer than the study.
  const QFontMetrics metrics = tblPoints->fontMetrics();
  const int numberWidth = metrics.horizontalAdvance(QStringLiteral("-0.0000123457")) + 12;
  for (int column = 0; column < model_->columnCount(); ++column) {
    const QString name = model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    tblPoints->setColumnWidth(column, std::max(numberWidth, metrics.horizontalAdvance(name) + 24));
  }
}

void StudyWindow::Redraw() {
  const std::vector<std::size_t> chosen =
      study_ ? controls->ChosenResults() : std::vector<std::size_t>{};
  PlaceCharts(chosen.size());
  if (!study_) return;
  lblReadout->setText(QStringLiteral("Point at a chart to read the values there."));
  for (std::size_t i = 0; i < chosen.size(); ++i) charts_[i]->Show(*study_, chosen[i], Scales());
}

StudyScales StudyWindow::Scales() const {
  // Logarithmic steps between negative ends keep a linear axis.
  return {study_->range.logarithmic && study_->range.start > 0, controls->LogarithmicResults()};
}

void StudyWindow::PlaceCharts(std::size_t count) {
  // The charts stay from one run to the next; only their number changes.
  while (charts_.size() > count) {
    delete chartViews_.back();
    chartViews_.pop_back();
    charts_.pop_back();
  }
  while (charts_.size() < count) {
    auto* chart = new StudyChart;
    auto* view = new HoverChartView(chart, chartPane_);
    view->setMinimumHeight(kChartMinimumHeight);
    connect(view, &HoverChartView::hovered, this,
            [this, chart](QPointF at) { ShowReadout(chart->ValueAt(at)); });
    connect(view, &HoverChartView::left, this, [this] {
      for (StudyChart* shown : charts_) shown->HideCrosshair();
    });
    charts_.push_back(chart);
    chartViews_.push_back(view);
    chartLayout_->addWidget(view, 1);
  }
}

void StudyWindow::ShowReadout(double value) {
  if (!study_ || !std::isfinite(value)) return;
  const SweepRange& range = study_->range;
  const double lo = std::min(range.start, range.stop);
  const double hi = std::max(range.start, range.stop);
  if (value < lo || value > hi) {
    for (StudyChart* chart : charts_) chart->HideCrosshair();
    return;
  }
  // Nearest as the axis shows it.
  const bool logarithmic = Scales().logX;
  const auto onAxis = [logarithmic](double v) { return logarithmic ? std::log10(v) : v; };
  std::size_t nearest = 0;
  double distance = INFINITY;
  for (long i = 0; i < range.count; ++i) {
    const double d = std::abs(onAxis(range.Value(i)) - onAxis(value));
    if (d < distance) {
      nearest = static_cast<std::size_t>(i);
      distance = d;
    }
  }
  const double x = range.Value(static_cast<long>(nearest));
  for (StudyChart* chart : charts_) chart->ShowCrosshair(x);
  lblReadout->setText(StudyReadout(*study_, nearest, controls->ChosenResults()));
}

bool StudyWindow::ExportPng() {
  return study_ && export_.Png(*chartPane_);
}

bool StudyWindow::ExportSvg() {
  return study_ && export_.Svg(*chartPane_, windowTitle());
}

bool StudyWindow::ExportCsv() {
  return study_ && export_.Csv(QStringLiteral("Export the study table as CSV"), StudyCsv(*study_));
}

bool StudyWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == tblPoints && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
    CopySelection();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void StudyWindow::CopySelection() {
  const QModelIndexList cells = tblPoints->selectionModel()->selectedIndexes();
  if (!cells.isEmpty()) QGuiApplication::clipboard()->setText(model_->Tsv(cells));
}

StudySettings StudyWindow::Settings() const {
  StudySettings settings{fields_,
                         fluid_,
                         controls->AllFluids(),
                         controls->RangeText(),
                         {},
                         controls->LogarithmicResults()};
  const Problem& problem = ProblemOf(fields_);
  for (const std::size_t result : controls->ChosenResults()) {
    settings.results.emplace_back(problem.results[result]);
  }
  return settings;
}

bool StudyWindow::SaveStudy() {
  return export_.Text(QStringLiteral("Save the study"), QStringLiteral("json"),
                      QStringLiteral("DORIX studies (*.json)"), StudyFileText(Settings()));
}

bool StudyWindow::OpenStudy() {
  const QString path =
      openFile_(this, QStringLiteral("Open a study"), QDir::home().filePath(fileStem_ + ".json"),
                QStringLiteral("DORIX studies (*.json);;All files (*)"));
  if (path.isEmpty()) return false;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    messages_.ShowMessage("*** ERROR: The study could not be read from " + path.toStdString() +
                          ".");
    return false;
  }
  std::string message;
  const std::optional<StudySettings> settings =
      ReadStudyFile(file.readAll().toStdString(), message);
  if (settings && settings->fields.index() != fields_.index()) {
    message = "*** ERROR: The file is a study of " + std::string(ProblemOf(settings->fields).name) +
              "; open it from that problem's window.";
  }
  if (!message.empty()) {
    messages_.ShowMessage(message);
    return false;
  }
  Apply(*settings);
  return Run();
}

void StudyWindow::Apply(const StudySettings& settings) {
  fields_ = settings.fields;
  fluid_ = settings.fluid;
  controls->OfferFields(fields_);
  controls->ShowChoices(settings);
}

void StudyWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    Run();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace dorix
