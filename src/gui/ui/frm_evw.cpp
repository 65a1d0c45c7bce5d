// SPDX-License-Identifier: MIT
#include "gui/ui/frm_evw.h"

#include <QLabel>
#include <QLineEdit>

#include "gui/ui/coefficient_panel.h"

namespace dorix {

namespace {

const EvaporationFields kDefaults;

// The label's 20 leading blanks are part of its text; it wraps over two lines.
const QString kFlowRateLabel = QString(20, QLatin1Char(' ')) +
                               QStringLiteral("Initial mass flow rate per unit width (kg/m s) =");

}  // namespace

FrmEVW::FrmEVW(WindowSet& windows, MessageSink* messages)
    : CalculatorWindow(QStringLiteral("frmEVW"),
                       QStringLiteral("FILM EVAPORATION ON A VERTICAL WALL"),
                       QStringLiteral("wall-evaporation"), windows, messages) {
  Label2 = NewLabel("Label2", QStringLiteral("Saturation temperature [K] ="));
  txtSatTemp = AddField(Label2, "txtSatTemp", kDefaults.satTemp);
  Label4 = NewLabel("Label4", QStringLiteral("Wall temperature [K] ="));
  txtWallTemp = AddField(Label4, "txtWallTemp", kDefaults.wallTemp);
  Label5 = NewLabel("Label5", QStringLiteral("Length of wall [m] ="));
  txtLength = AddField(Label5, "txtLength", kDefaults.length);
  OnLostFocus(txtLength, [this] { txtLength_LostFocus(); });
  Label3 = NewLabel("Label3", kFlowRateLabel);
  Label3->setWordWrap(true);
  Label3->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  txtIMFR = AddField(Label3, "txtIMFR", kDefaults.flowRate);
  AddVaporDensityRow();

  coefficients = new CoefficientPanel(this);
  SetUpperHalf(coefficients);
  ChainTabOrder(coefficients->TabOrder());
  Form_Load();
}

EvaporationFields FrmEVW::Fields() const {
  EvaporationFields fields;
  fields.satTemp = txtSatTemp->text().toStdString();
  fields.wallTemp = txtWallTemp->text().toStdString();
  fields.length = txtLength->text().toStdString();
  fields.flowRate = txtIMFR->text().toStdString();
  fields.coefficients = coefficients->Texts();
  fields.vaporDensity = CurrentVaporDensity();
  return fields;
}

void FrmEVW::txtLength_LostFocus() {
  CheckLength(*txtLength);
}

CalculationOutcome FrmEVW::Calculate() {
  return CalculateEvaporation(Fields(), Messages());
}

std::optional<Profile> FrmEVW::Plot() {
  return ProfileEvaporation(Fields(), Messages(), {});
}

}  // namespace dorix
