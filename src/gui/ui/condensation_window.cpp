// SPDX-License-Identifier: MIT
#include "gui/ui/condensation_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "core/calc/field_reader.h"
#include "core/props/property_slots.h"
#include "core/state/module1.h"
#include "core/text/format_value.h"

namespace dorix {

CondensationWindow::CondensationWindow(const QString& name, const QString& caption,
                                       const QString& problem, WindowSet& windows,
                                       MessageSink* messages, const std::string& pressure,
                                       const std::string& vaporTemp, const std::string& wallTemp)
    : CalculatorWindow(name, caption, problem, windows, messages) {
  Label2 = NewLabel("Label2", QStringLiteral("Pressure [Pa] ="));
  txtPressure = AddField(Label2, "txtPressure", pressure);
  OnLostFocus(txtPressure, [this] { txtPressure_LostFocus(); });

  menTempType = new QComboBox(this);
  menTempType->setObjectName(QStringLiteral("menTempType"));
  menTempType->setEditable(true);
  menTempType->setInsertPolicy(QComboBox::NoInsert);
  // Typed text stays as typed: no completion into an entry, and no entry
  // chosen for text that matches it when the text area is left. Only
  // picking an entry selects it.
  menTempType->setCompleter(nullptr);
  disconnect(menTempType->lineEdit(), &QLineEdit::editingFinished, menTempType, nullptr);
  menTempType->addItems(
      {QStringLiteral("Vapor Temperature [K]"), QStringLiteral("Use saturation temp [K]")});
  menTempType->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  connect(menTempType, &QComboBox::activated, this, &CondensationWindow::menTempType_Click);
  // Text typed instead of picking an entry leaves no entry selected.
  connect(menTempType->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
    if (menTempType->currentIndex() == kNoEntrySelected) return;
    QLineEdit* edit = menTempType->lineEdit();
    const int cursor = edit->cursorPosition();
    const QSignalBlocker block(menTempType);
    menTempType->setCurrentIndex(kNoEntrySelected);
    edit->setText(text);
    edit->setCursorPosition(cursor);
  });
  txtVaporTemp = AddField(menTempType, "txtVaporTemp", vaporTemp);

  Label4 = NewLabel("Label4", QStringLiteral("Wall temperature [K] ="));
  txtWallTemp = AddField(Label4, "txtWallTemp", wallTemp);
}

void CondensationWindow::Form_Load() {
  CalculatorWindow::Form_Load();
  SelectTempType(kTypedVaporTemperature);
}

void CondensationWindow::Form_Activate() {
  CalculatorWindow::Form_Activate();
  // In saturation mode the vapour temperature follows a newly chosen fluid.
  txtPressure_LostFocus();
}

void CondensationWindow::menTempType_Click() {
  txtPressure_LostFocus();
}

void CondensationWindow::txtPressure_LostFocus() {
  switch (menTempType->currentIndex()) {
    case kTypedVaporTemperature:
      txtVaporTemp->setEnabled(true);
      break;
    case kSaturationVaporTemperature: {
      // A pressure outside the curve, or text that is not a number, keeps the
      // previous saturation temperature; Calculate reports the fault.
      if (const std::optional<float> pressure =
              ReadField(kPressureField, txtPressure->text().toStdString()).value) {
        LookUpInto(Module1.Store, Module1.FluidNo, kSaturationTemperature, *pressure, Module1.Tsat,
                   Module1.OutOfRange);
      }
      txtVaporTemp->setText(QString::fromStdString(FormatValue(Module1.Tsat)));
      txtVaporTemp->setEnabled(false);
      break;
    }
    default:
      break;
  }
}

void CondensationWindow::SelectTempType(int index) {
  menTempType->setCurrentIndex(index);
  menTempType_Click();
}

}  // namespace dorix
