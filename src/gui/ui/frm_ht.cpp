// SPDX-License-Identifier: MIT
#include "gui/ui/frm_ht.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "core/calc/row_factors.h"

namespace dorix {

namespace {
const TubeCondensationFields kDefaults;
}  // namespace

FrmHT::FrmHT(WindowSet& windows, MessageSink* messages)
    : CondensationWindow(QStringLiteral("frmHT"),
                         QStringLiteral("FILM CONDENSATION ON HORIZONTAL TUBE"),
                         QStringLiteral("tube-condensation"), windows, messages, kDefaults.pressure,
                         kDefaults.vaporTemp, kDefaults.wallTemp) {
  Label5 = NewLabel("Label5", QStringLiteral("Tube diameter [m] ="));
  txtTubeDia = AddField(Label5, "txtTubeDia", kDefaults.tubeDiameter);
  Label3 = NewLabel("Label3", QStringLiteral("Number of tubes [ ] ="));
  txtNumTube = AddField(Label3, "txtNumTube", kDefaults.numberOfTubes);
  lblRowFactor = NewLabel("lblRowFactor", QStringLiteral("Row factor ="));
  menRowFactor = new QComboBox(this);
  menRowFactor->setObjectName(QStringLiteral("menRowFactor"));
  for (const RowFactorChoice& choice : RowFactorChoices()) {
    menRowFactor->addItem(QString::fromUtf8(choice.title.data(), choice.title.size()));
    menRowFactor->setItemData(menRowFactor->count() - 1,
                              QString::fromUtf8(choice.reference.data(), choice.reference.size()),
                              Qt::ToolTipRole);
  }
  // The current factor's reference on the list itself as well as on its entries.
  const auto showReference = [this] {
    menRowFactor->setToolTip(menRowFactor->currentData(Qt::ToolTipRole).toString());
  };
  connect(menRowFactor, &QComboBox::currentIndexChanged, this, showReference);
  showReference();
  // As wide as the fields above it, which leave room for its entries.
  menRowFactor->setFixedWidth(txtNumTube->maximumWidth());
  AddRow(lblRowFactor, menRowFactor);
  AddVaporDensityRow();
  ChainTabOrder({});
  Form_Load();
}

TubeCondensationFields FrmHT::Fields() const {
  TubeCondensationFields fields;
  fields.pressure = txtPressure->text().toStdString();
  fields.vaporTemp = txtVaporTemp->text().toStdString();
  fields.wallTemp = txtWallTemp->text().toStdString();
  fields.tubeDiameter = txtTubeDia->text().toStdString();
  fields.numberOfTubes = txtNumTube->text().toStdString();
  fields.tempTypeIndex = menTempType->currentIndex();
  fields.rowFactor =
      RowFactorChoices()[static_cast<std::size_t>(menRowFactor->currentIndex())].factor;
  fields.vaporDensity = CurrentVaporDensity();
  return fields;
}

CalculationOutcome FrmHT::Calculate() {
  return CalculateTubeCondensation(Fields(), Messages());
}

std::optional<Profile> FrmHT::Plot() {
  return ProfileTubeCondensation(Fields(), Messages());
}

}  // namespace dorix
