// SPDX-License-Identifier: MIT
#include "gui/ui/frm_cvw.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "gui/ui/coefficient_panel.h"

namespace dorix {

namespace {
const WallCondensationFields kDefaults;
}  // namespace

FrmCVW::FrmCVW(WindowSet& windows, MessageSink* messages)
    : CondensationWindow(QStringLiteral("frmCVW"),
                         QStringLiteral("FILM CONDENSATION ON A VERTICAL WALL"),
                         QStringLiteral("wall-condensation"), windows, messages, kDefaults.pressure,
                         kDefaults.vaporTemp, kDefaults.wallTemp) {
  Label5 = NewLabel("Label5", QStringLiteral("Length of wall [m] ="));
  txtLength = AddField(Label5, "txtLength", kDefaults.length);
  OnLostFocus(txtLength, [this] { txtLength_LostFocus(); });
  AddVaporDensityRow();

  coefficients = new CoefficientPanel(this);
  SetUpperHalf(coefficients);
  ChainTabOrder(coefficients->TabOrder());
  Form_Load();
}

WallCondensationFields FrmCVW::Fields() const {
  WallCondensationFields fields;
  fields.pressure = txtPressure->text().toStdString();
  fields.vaporTemp = txtVaporTemp->text().toStdString();
  fields.wallTemp = txtWallTemp->text().toStdString();
  fields.length = txtLength->text().toStdString();
  fields.coefficients = coefficients->Texts();
  fields.vaporDensity = CurrentVaporDensity();
  fields.tempTypeIndex = menTempType->currentIndex();
  return fields;
}

void FrmCVW::txtLength_LostFocus() {
  CheckLength(*txtLength);
}

CalculationOutcome FrmCVW::Calculate() {
  return CalculateWallCondensation(Fields(), Messages());
}

std::optional<Profile> FrmCVW::Plot() {
  return ProfileWallCondensation(Fields(), Messages(), {});
}

}  // namespace dorix
