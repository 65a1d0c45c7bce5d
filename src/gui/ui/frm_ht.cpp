#include "gui/ui/frm_ht.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

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
  return fields;
}

CalculationOutcome FrmHT::Calculate() {
  return CalculateTubeCondensation(Fields(), Messages());
}

std::optional<Profile> FrmHT::Plot() {
  return ProfileTubeCondensation(Fields(), Messages());
}

}  // namespace dorix
