// SPDX-License-Identifier: MIT
#include "gui/ui/calculator_window.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <array>

#include "core/calc/field_reader.h"
#include "core/calc/report.h"
#include "core/fluids/fluid.h"
#include "core/state/module1.h"
#include "core/sweep/comparison.h"
#include "gui/profile/profile_window.h"
#include "gui/study/study_window.h"
#include "gui/ui/action_messages.h"
#include "gui/ui/comparison_window.h"
#include "gui/ui/frm_liquid.h"
#include "gui/ui/notes_line.h"
#include "gui/ui/window_set.h"
#include "gui/widgets/output_box.h"
#include "gui/widgets/push_button.h"
#include "gui/widgets/qt_message_box.h"

namespace dorix {

namespace {

// The column of fields, wide enough for the row factor list's entries.
constexpr int kFieldWidth = 112;

// Runs a handler once the focus has moved from a field to another control.
class LostFocusWatch : public QObject {
 public:
  LostFocusWatch(QWidget* field, std::function<void()> handler)
      : QObject(field), handler_(std::move(handler)) {
    field->installEventFilter(this);
  }

  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() == QEvent::FocusOut) {
      const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
      // Queued, so that the handler runs after the focus change has finished.
      if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
        QTimer::singleShot(0, this, handler_);
      }
    }
    return false;
  }

 private:
  std::function<void()> handler_;
};

}  // namespace

CalculatorWindow::CalculatorWindow(const QString& name, const QString& caption,
                                   const QString& problem, WindowSet& windows,
                                   MessageSink* messages)
    : windows_(windows), problem_(problem) {
  if (messages == nullptr) {
    ownMessages_ = std::make_unique<QtMessageBox>(this);
    messages = ownMessages_.get();
  }
  messages_ = std::make_unique<ActionMessages>(*this, *messages);
  setObjectName(name);
  setWindowTitle(caption);

  root_ = new QVBoxLayout(this);
  root_->setSpacing(12);
  auto* lower = new QHBoxLayout;
  root_->addLayout(lower, 1);

  auto* left = new QVBoxLayout;
  lower->addLayout(left);
  column_ = new QGridLayout;
  column_->setColumnMinimumWidth(1, kFieldWidth);
  left->addLayout(column_);

  Label1 = NewLabel("Label1", QStringLiteral("Fluid:"));
  cmdFluid = NewPushButton(this, "cmdFluid", QString());
  cmdFluid->setFixedWidth(kFieldWidth);
  column_->addWidget(Label1, 0, 0, Qt::AlignRight | Qt::AlignVCenter);
  column_->addWidget(cmdFluid, 0, 1);
  columnOrder_.push_back(cmdFluid);
  connect(cmdFluid, &QPushButton::clicked, this, &CalculatorWindow::cmdFluid_Click);

  auto* buttons = new QHBoxLayout;
  cmdCalc = NewPushButton(this, "cmdCalc", QStringLiteral("Calculate"));
  cmdDone = NewPushButton(this, "cmdDone", QStringLiteral("Done"));
  cmdPlot = NewPushButton(this, "cmdPlot", QStringLiteral("Plot"));
  cmdStudy = NewPushButton(this, "cmdStudy", QStringLiteral("&Study"));
  cmdCompare = NewPushButton(this, "cmdCompare", QStringLiteral("Compare"));
  buttons->addStretch(1);
  buttons->addWidget(cmdCalc);
  buttons->addWidget(cmdDone);
  buttons->addWidget(cmdPlot);
  buttons->addWidget(cmdStudy);
  buttons->addWidget(cmdCompare);
  left->addSpacing(8);
  left->addLayout(buttons);
  left->addStretch(1);
  connect(cmdCalc, &QPushButton::clicked, this, &CalculatorWindow::cmdCalc_Click);
  connect(cmdDone, &QPushButton::clicked, this, &CalculatorWindow::cmdDone_Click);
  connect(cmdPlot, &QPushButton::clicked, this, &CalculatorWindow::cmdPlot_Click);
  connect(cmdStudy, &QPushButton::clicked, this, &CalculatorWindow::cmdStudy_Click);
  connect(cmdCompare, &QPushButton::clicked, this, &CalculatorWindow::cmdCompare_Click);

  txtOutput = new OutputBox(this);
  txtOutput->setObjectName(QStringLiteral("txtOutput"));
  txtOutput->SetText(QStringLiteral("Output:") + QString::fromStdString(Module1.CrLf));
  txtOutput->setTabChangesFocus(true);
  lblNotes = new NotesLine(this);
  auto* right = new QVBoxLayout;
  right->addWidget(txtOutput, 1);
  right->addWidget(lblNotes);
  lower->addLayout(right, 1);
}

CalculatorWindow::~CalculatorWindow() = default;

MessageSink& CalculatorWindow::Messages() {
  return *messages_;
}

void CalculatorWindow::Form_Load() {
  Form_Activate();
}

void CalculatorWindow::Form_Activate() {
  if (const Fluid* fluid = FindFluid(Module1.FluidNo)) {
    cmdFluid->setText(QString::fromLatin1(fluid->formula.data(), fluid->formula.size()));
  }
}

void CalculatorWindow::cmdFluid_Click() {
  FrmLiquid& fluids = windows_.frmLiquid();
  fluids.show();
  fluids.raise();
  fluids.activateWindow();
}

void CalculatorWindow::cmdCalc_Click() {
  const CalculationOutcome outcome = Calculate();
  if (outcome.status != CalculationOutcome::Status::kRefused) {
    txtOutput->SetText(QString::fromStdString(ReportText(outcome)));
    lblNotes->SetNotes(outcome.notes);
  }
}

void CalculatorWindow::cmdDone_Click() {
  hide();
}

void CalculatorWindow::cmdPlot_Click() {
  std::optional<Profile> profile = Plot();
  if (!profile) return;
  if (profileWindow_ == nullptr) {
    profileWindow_ = new ProfileWindow(problem_ + "-profile", Messages(), this);
  }
  profileWindow_->ShowProfile(windowTitle() + " (" + cmdFluid->text() + "): profile",
                              std::move(*profile));
}

void CalculatorWindow::cmdStudy_Click() {
  const ProblemFields fields = CurrentFields();
  if (studyWindow_ == nullptr) {
    studyWindow_ =
        new StudyWindow(ProblemOf(fields), windowTitle(), problem_ + "-study", Messages(), this);
  }
  studyWindow_->Seed(fields, Module1.FluidNo);
}

void CalculatorWindow::cmdCompare_Click() {
  if (comparisonWindow_ == nullptr) comparisonWindow_ = new ComparisonWindow(this);
  const Comparison comparison = Compare(CurrentFields(), SharedSetup());
  const QString compared = comparison.choice == "preset" ? QStringLiteral("presets compared")
                                                         : QStringLiteral("row factors compared");
  comparisonWindow_->ShowComparison(windowTitle() + " (" + cmdFluid->text() + "): " + compared,
                                    comparison);
}

void CalculatorWindow::SetUpperHalf(QWidget* widget) {
  root_->insertWidget(0, widget);
}

QLabel* CalculatorWindow::NewLabel(const char* name, const QString& text) {
  auto* label = new QLabel(text, this);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

QLineEdit* CalculatorWindow::AddField(QWidget* label, const char* name, const std::string& text) {
  auto* field = new QLineEdit(QString::fromStdString(text), this);
  field->setObjectName(QString::fromLatin1(name));
  field->setFixedWidth(kFieldWidth);
  AddRow(label, field);
  return field;
}

void CalculatorWindow::AddRow(QWidget* label, QWidget* control) {
  const int row = column_->rowCount();
  column_->addWidget(label, row, 0, Qt::AlignRight | Qt::AlignVCenter);
  column_->addWidget(control, row, 1);
  if (label->focusPolicy() != Qt::NoFocus) columnOrder_.push_back(label);
  columnOrder_.push_back(control);
}

void CalculatorWindow::AddVaporDensityRow() {
  lblVaporDensity = NewLabel("lblVaporDensity", QStringLiteral("Vapor density ="));
  menVaporDensity = new QComboBox(this);
  menVaporDensity->setObjectName(QStringLiteral("menVaporDensity"));
  menVaporDensity->setFixedWidth(kFieldWidth);
  for (const VaporDensity choice : {VaporDensity::kNeglected, VaporDensity::kIncluded}) {
    const std::string_view name = VaporDensityName(choice);
    menVaporDensity->addItem(QString::fromLatin1(name.data(), static_cast<int>(name.size())));
  }
  menVaporDensity->setToolTip(
      QStringLiteral("neglected: the classic film model. included: the film's buoyancy "
                     "g(1 \u2212 \u03C1v/\u03C1l), \u03C1v the saturated vapor at Tsat."));
  AddRow(lblVaporDensity, menVaporDensity);
}

VaporDensity CalculatorWindow::CurrentVaporDensity() const {
  return menVaporDensity != nullptr && menVaporDensity->currentIndex() == 1
             ? VaporDensity::kIncluded
             : VaporDensity::kNeglected;
}

void CalculatorWindow::OnLostFocus(QLineEdit* field, std::function<void()> handler) {
  new LostFocusWatch(field, std::move(handler));
}

void CalculatorWindow::CheckLength(const QLineEdit& field) {
  const std::string text = field.text().toStdString();
  const FieldReading length = ReadField(kLengthField, text);
  if (!length.value) {
    messages_->ShowFieldMessage(length.message);
  } else if (*length.value <= 0.0F) {
    messages_->ShowFieldMessage("*** ERROR: Length must be greater than zero.");
  }
}

void CalculatorWindow::ChainTabOrder(const std::vector<QWidget*>& rest) {
  std::vector<QWidget*> order = columnOrder_;
  order.push_back(cmdCalc);
  order.push_back(cmdDone);
  order.push_back(cmdPlot);
  order.push_back(cmdStudy);
  order.push_back(cmdCompare);
  order.insert(order.end(), rest.begin(), rest.end());
  order.push_back(txtOutput);
  for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void CalculatorWindow::hideEvent(QHideEvent* event) {
  // Not when the window system minimizes the window: it stays open.
  if (!event->spontaneous()) {
    if (profileWindow_ != nullptr) profileWindow_->hide();
    if (studyWindow_ != nullptr) studyWindow_->hide();
    if (comparisonWindow_ != nullptr) comparisonWindow_->hide();
  }
  QWidget::hideEvent(event);
}

bool CalculatorWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) Form_Activate();
  return QWidget::event(event);
}

}  // namespace dorix
