#include "gui/study/study_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>
#include <cmath>

#include "core/calc/outcome_record.h"
#include "core/calc/parallel_chunks.h"
#include "core/calc/study_range.h"
#include "core/fluids/fluid.h"
#include "core/state/module1.h"
#include "gui/charts/hover_chart_view.h"
#include "gui/study/study_chart.h"
#include "gui/study/study_table_model.h"
#include "gui/study/study_texts.h"

namespace dorix {

namespace {

constexpr const char* kDefaultField = "wall_temp";
constexpr const char* kDefaultCount = "21";
constexpr int kRangeFieldWidth = 90;
constexpr int kChartMinimumHeight = 280;

QPushButton* NewButton(QWidget* parent, const char* name, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(true);
  return button;
}

QLineEdit* NewRangeField(QWidget* parent, const char* name) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(QString::fromLatin1(name));
  field->setFixedWidth(kRangeFieldWidth);
  return field;
}

QCheckBox* NewCheckBox(QWidget* parent, const char* name, const QString& caption) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(QString::fromLatin1(name));
  return box;
}

QString FieldName(const FieldOption& option) {
  return QString::fromLatin1(option.field.name.data(),
                             static_cast<qsizetype>(option.field.name.size()));
}

}  // namespace

StudyWindow::StudyWindow(const Problem& problem, const QString& caption, const QString& fileStem,
                         MessageSink& messages, QWidget* parent)
    : QWidget(parent, Qt::Window),
      problem_(problem),
      fields_(problem.defaults),
      messages_(messages),
      export_(this, fileStem, messages) {
  setObjectName(QStringLiteral("frmStudy"));
  setWindowTitle(QStringLiteral("PARAMETRIC STUDY \u2014 ") + caption);
  resize(1200, 920);

  auto* root = new QVBoxLayout(this);
  root->addWidget(NewControls());

  auto* split = new QSplitter(Qt::Vertical, this);
  auto* upper = new QWidget(split);
  auto* upperLayout = new QVBoxLayout(upper);
  upperLayout->setContentsMargins(0, 0, 0, 0);
  // Charts too low for their labels would be no use: beyond two, they scroll.
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
  tblPoints->horizontalHeader()->setStretchLastSection(true);
  tblPoints->verticalHeader()->setDefaultSectionSize(tblPoints->fontMetrics().height() + 6);
  split->addWidget(upper);
  split->addWidget(tblPoints);
  split->setSizes({560, 260});
  root->addWidget(split, 1);

  auto* tools = new QHBoxLayout;
  cmdExportPng = NewButton(this, "cmdExportPng", QStringLiteral("Export PNG..."));
  cmdExportSvg = NewButton(this, "cmdExportSvg", QStringLiteral("Export SVG..."));
  cmdExportCsv = NewButton(this, "cmdExportCsv", QStringLiteral("Export CSV..."));
  tools->addStretch(1);
  for (QPushButton* button : {cmdExportPng, cmdExportSvg, cmdExportCsv}) {
    button->setEnabled(false);
    tools->addWidget(button);
  }
  root->addLayout(tools);
  connect(cmdExportPng, &QPushButton::clicked, this, &StudyWindow::ExportPng);
  connect(cmdExportSvg, &QPushButton::clicked, this, &StudyWindow::ExportSvg);
  connect(cmdExportCsv, &QPushButton::clicked, this, &StudyWindow::ExportCsv);
}

StudyWindow::~StudyWindow() {
  // The table outlives the study it shows: its view goes with the children.
  model_->SetStudy(nullptr);
}

QWidget* StudyWindow::NewControls() {
  auto* controls = new QWidget(this);
  auto* grid = new QGridLayout(controls);
  grid->setContentsMargins(0, 0, 0, 0);

  auto* range = new QHBoxLayout;
  cboInput = new QComboBox(controls);
  cboInput->setObjectName(QStringLiteral("cboInput"));
  txtFrom = NewRangeField(controls, "txtFrom");
  txtTo = NewRangeField(controls, "txtTo");
  txtCount = NewRangeField(controls, "txtCount");
  txtCount->setText(QString::fromLatin1(kDefaultCount));
  chkLogSteps = NewCheckBox(controls, "chkLogSteps", QStringLiteral("Logarithmic steps"));
  cmdRun = NewButton(controls, "cmdRun", QStringLiteral("&Run"));
  range->addWidget(cboInput);
  range->addWidget(new QLabel(QStringLiteral("from"), controls));
  range->addWidget(txtFrom);
  range->addWidget(new QLabel(QStringLiteral("to"), controls));
  range->addWidget(txtTo);
  range->addWidget(new QLabel(QStringLiteral("in"), controls));
  range->addWidget(txtCount);
  range->addWidget(new QLabel(QStringLiteral("points"), controls));
  range->addSpacing(12);
  range->addWidget(chkLogSteps);
  range->addStretch(1);
  range->addWidget(cmdRun);
  grid->addWidget(new QLabel(QStringLiteral("Vary:"), controls), 0, 0);
  grid->addLayout(range, 0, 1);

  auto* shown = new QHBoxLayout;
  for (const std::string_view result : problem_.results) {
    QCheckBox* box = NewCheckBox(controls, "chkResult", ResultCaption(result));
    box->setChecked(result == kHeatTransferCoefficient);
    shown->addWidget(box);
    chkResults.push_back(box);
    connect(box, &QCheckBox::toggled, this, &StudyWindow::Redraw);
  }
  shown->addSpacing(24);
  chkAllFluids = NewCheckBox(controls, "chkAllFluids", QStringLiteral("&All fluids"));
  chkLogResults =
      NewCheckBox(controls, "chkLogResults", QStringLiteral("Logarithmic result scale"));
  lblFluid = new QLabel(controls);
  lblFluid->setObjectName(QStringLiteral("lblFluid"));
  shown->addWidget(chkAllFluids);
  shown->addWidget(chkLogResults);
  shown->addStretch(1);
  shown->addWidget(lblFluid);
  grid->addWidget(new QLabel(QStringLiteral("Plot:"), controls), 1, 0);
  grid->addLayout(shown, 1, 1);

  connect(cmdRun, &QPushButton::clicked, this, &StudyWindow::Run);
  connect(chkLogSteps, &QCheckBox::toggled, this, &StudyWindow::Run);
  connect(chkAllFluids, &QCheckBox::toggled, this, &StudyWindow::Run);
  connect(chkLogResults, &QCheckBox::toggled, this, &StudyWindow::Redraw);
  connect(cboInput, &QComboBox::activated, this, [this] {
    SuggestRange();
    Run();
  });
  return controls;
}

void StudyWindow::Seed(const ProblemFields& fields, int fluid) {
  fields_ = fields;
  fluid_ = fluid;
  FillInputs();
  Run();
  show();
  raise();
  activateWindow();
}

void StudyWindow::FillInputs() {
  const QString chosen = cboInput->currentData().toString();
  const bool saturated = std::visit(
      [](const auto& f) {
        if constexpr (requires { f.tempTypeIndex; }) {
          return f.tempTypeIndex == kSaturationVaporTemperature;
        }
        return false;
      },
      fields_);
  cboInput->clear();
  for (const FieldOption& option : BindFields(fields_)) {
    // In saturation mode the vapour temperature is not read.
    if (saturated && option.field.name == kVaporTempField.name) continue;
    cboInput->addItem(QString::fromUtf8(option.field.label.data(),
                                        static_cast<qsizetype>(option.field.label.size())),
                      FieldName(option));
  }
  const int kept = cboInput->findData(chosen);
  if (kept >= 0) {
    cboInput->setCurrentIndex(kept);
    return;
  }
  cboInput->setCurrentIndex(std::max(0, cboInput->findData(QString::fromLatin1(kDefaultField))));
  SuggestRange();
}

void StudyWindow::SuggestRange() {
  const std::vector<FieldOption> options = BindFields(fields_);
  const FieldOption* option = FindOption(options, cboInput->currentData().toString().toStdString());
  if (option == nullptr) return;
  const SuggestedRange range = dorix::SuggestRange(*option->text);
  txtFrom->setText(QString::fromStdString(range.from));
  txtTo->setText(QString::fromStdString(range.to));
}

bool StudyWindow::Run() {
  std::string message;
  const std::optional<SweepRange> range = ReadStudyRange(
      {cboInput->currentData().toString().toStdString(), txtFrom->text().toStdString(),
       txtTo->text().toStdString(), txtCount->text().toStdString(), chkLogSteps->isChecked()},
      message);
  if (!range) {
    messages_.ShowMessage(message);
    return false;
  }
  std::vector<int> fluids{fluid_};
  lblFluid->setText("Fluid: " + FluidTitle(fluid_));
  if (chkAllFluids->isChecked()) {
    fluids.clear();
    for (const dorix::Fluid& fluid : kFluids) fluids.push_back(fluid.number);
    lblFluid->setText(QStringLiteral("All six fluids"));
  }
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
  // Wide enough for its name and for a number at full precision; measured
  // from the font, not from the cells, which would take longer than the study.
  const QFontMetrics metrics = tblPoints->fontMetrics();
  const int numberWidth = metrics.horizontalAdvance(QStringLiteral("-0.000000000000000000000"));
  for (int column = 0; column < model_->columnCount(); ++column) {
    const QString name = model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    tblPoints->setColumnWidth(column, std::max(numberWidth, metrics.horizontalAdvance(name) + 24));
  }
}

std::vector<std::size_t> StudyWindow::ChosenResults() const {
  std::vector<std::size_t> chosen;
  for (std::size_t i = 0; i < chkResults.size(); ++i) {
    if (chkResults[i]->isChecked()) chosen.push_back(i);
  }
  return chosen;
}

void StudyWindow::Redraw() {
  const std::vector<std::size_t> chosen = study_ ? ChosenResults() : std::vector<std::size_t>{};
  PlaceCharts(chosen.size());
  if (!study_) return;
  lblReadout->setText(QStringLiteral("Point at a chart to read the values there."));
  const StudyScales scales{study_->range.logarithmic && study_->range.start > 0,
                           chkLogResults->isChecked()};
  for (std::size_t i = 0; i < chosen.size(); ++i) charts_[i]->Show(*study_, chosen[i], scales);
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
  std::size_t nearest = 0;
  double distance = INFINITY;
  for (long i = 0; i < range.count; ++i) {
    const double d = std::abs(range.Value(i) - value);
    if (d < distance) {
      nearest = static_cast<std::size_t>(i);
      distance = d;
    }
  }
  const double x = range.Value(static_cast<long>(nearest));
  for (StudyChart* chart : charts_) chart->ShowCrosshair(x);
  lblReadout->setText(StudyReadout(*study_, nearest, ChosenResults()));
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

void StudyWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    Run();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace dorix
