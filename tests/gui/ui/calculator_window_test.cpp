// SPDX-License-Identifier: MIT
#include <QMessageBox>
#include <QTimer>

#include "../ui_test_support.h"
#include "core/calc/correlation_presets.h"
#include "core/calc/report.h"
#include "core/props/property_curve.h"
#include "core/state/module1.h"
#include "core/state/shared_calculation.h"
#include "core/text/format_value.h"
#include "gui/ui/frm_liquid.h"
#include "gui/ui/notes_line.h"
#include "gui/ui/preset_chooser.h"

using namespace dorix;
using namespace Qt::StringLiterals;
using testing_support::Calculate;
using testing_support::MoveFocus;
using testing_support::ShowAndActivate;
using testing_support::Type;

namespace {

// Shows every message in a real modal box that closes itself shortly after,
// so that the focus and activation changes of a real box take place.
class SelfClosingBoxes : public MessageSink {
 public:
  void ShowMessage(const std::string& text) override {
    messages.push_back(text);
    QMessageBox box(QMessageBox::NoIcon, "Message", QString::fromStdString(text), QMessageBox::Ok);
    box.setProperty(testing_support::kExpectedModal, true);
    QTimer::singleShot(50, &box, &QMessageBox::accept);
    box.exec();
  }

  std::vector<std::string> messages;
};

QString Saturation(int fluid, double pressure) {
  return QString::fromStdString(FormatValue(
      LookUpProperty(Module1.Store, fluid, kSaturationTemperature, pressure).value_or(0.0)));
}

QString Report(const CalculationOutcome& outcome) {
  return QString::fromStdString(ReportText(outcome));
}

const QString kTooShort = "*** ERROR: Length must be greater than zero.";
const QString kNotANumber = "*** ERROR: Length of wall [m] is not a number: \"long\".";

}  // namespace

class CalculatorWindowTest : public testing_support::UiTestCase {
  Q_OBJECT

 private slots:
  // Each window's fields and choices reach its calculation routine, whose
  // report the window shows as it is.
  void calculateReadsEveryFieldAndShowsTheReport() {
    FrmCVW& cvw = static_cast<FrmCVW&>(Open("frmCVW"));
    Type(cvw, {{"txtPressure", "200000"},
               {"txtVaporTemp", "420"},
               {"txtWallTemp", "310"},
               {"txtLength", "2"},
               {"txtCoeffC", "31"}});
    cvw.menVaporDensity->setCurrentIndex(1);
    WallCondensationFields wall{"200000", "420", "310", "2", {}};
    wall.coefficients.C = "31";
    wall.vaporDensity = VaporDensity::kIncluded;
    QCOMPARE(Calculate(cvw), Report(CalculateWallCondensation(wall, SharedSetup())));

    FrmHT& ht = static_cast<FrmHT&>(Open("frmHT"));
    Type(ht, {{"txtPressure", "50000"},
              {"txtWallTemp", "320"},
              {"txtTubeDia", "0.05"},
              {"txtNumTube", "3"}});
    QTest::keyClick(ht.menTempType, Qt::Key_Down);
    QTest::keyClick(ht.menRowFactor, Qt::Key_Down);
    const TubeCondensationFields tubes{
        "50000", "400", "320", "0.05", "3", kSaturationVaporTemperature, RowFactor::kKern};
    QCOMPARE(Calculate(ht), Report(CalculateTubeCondensation(tubes, SharedSetup())));

    FrmEVW& evw = static_cast<FrmEVW&>(Open("frmEVW"));
    Type(evw,
         {{"txtSatTemp", "310"}, {"txtWallTemp", "390"}, {"txtLength", "0.5"}, {"txtIMFR", "2"}});
    QTest::keyClick(evw.coefficients->preset->menPreset, Qt::Key_Down);
    const EvaporationFields evaporation{"310", "390", "0.5", "2",
                                        FindPreset("kutateladze-labuntsov")->texts};
    QCOMPARE(Calculate(evw), Report(CalculateEvaporation(evaporation, SharedSetup())));
    QVERIFY(messages.messages.empty());
  }

  // A refused calculation shows its message and keeps the report shown.
  void aRefusalKeepsTheReport_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("field");
    for (const auto& [window, field] :
         {std::pair{"frmCVW", "txtWallTemp"}, {"frmHT", "txtNumTube"}, {"frmEVW", "txtIMFR"}}) {
      QTest::newRow(field) << QString(window) << QString(field);
    }
  }

  void aRefusalKeepsTheReport() {
    QFETCH(QString, window);
    QFETCH(QString, field);
    CalculatorWindow& form = Open(window);
    const QString report = Calculate(form);
    auto* edit = form.findChild<QLineEdit*>(field);
    const QString good = edit->text();
    edit->setText("1,5");
    QCOMPARE(Calculate(form), report);
    QCOMPARE(Shown().size(), 1);
    QVERIFY(Shown()[0].startsWith("*** ERROR: ") && Shown()[0].contains("1,5"));
    // The window stays usable.
    edit->setText(good);
    form.txtOutput->SetText("Output:\r\n");
    QCOMPARE(Calculate(form), report);
    QCOMPARE(Shown().size(), 1);
  }

  // The fluid chosen in the fluid window names itself on every calculator
  // window when it is activated; a number outside 1 to 12 leaves the name.
  void aFluidChoiceReachesEveryWindowWhenItIsActivated() {
    FrmHT& ht = static_cast<FrmHT&>(Open("frmHT"));
    ht.hide();
    FrmCVW& cvw = static_cast<FrmCVW&>(Open("frmCVW"));
    QTest::keyClick(cvw.menTempType, Qt::Key_Down);

    QTest::mouseClick(cvw.cmdFluid, Qt::LeftButton);
    FrmLiquid& fluids = Windows().frmLiquid();
    QVERIFY(QTest::qWaitForWindowActive(&fluids));
    QTest::mouseClick(fluids.cmdFluid[1], Qt::LeftButton);
    for (const QString name : {"frmCVW", "frmHT", "frmEVW"}) {
      QCOMPARE(Open(name).cmdFluid->text(), QString("NH3"));
    }
    // The saturation temperature follows the fluid.
    QCOMPARE(cvw.txtVaporTemp->text(), Saturation(2, 101325));
    QVERIFY(Saturation(2, 101325) != Saturation(1, 101325));

    Module1.FluidNo = 13;
    QCOMPARE(Open("frmHT").cmdFluid->text(), QString("NH3"));
  }

  // Saturation mode fills the vapour temperature from the pressure as the
  // calculation reads it, refreshed on leaving the pressure field, and locks it.
  void saturationModeFillsAndLocksTheVaporTemperature_data() {
    QTest::addColumn<QString>("window");
    QTest::newRow("vertical wall") << "frmCVW";
    QTest::newRow("horizontal tubes") << "frmHT";
  }

  void saturationModeFillsAndLocksTheVaporTemperature() {
    QFETCH(QString, window);
    auto& form = static_cast<CondensationWindow&>(Open(window));
    const auto leavePressure = [&form](const QString& pressure) {
      form.txtPressure->setText(pressure);
      MoveFocus(*form.txtPressure, *form.txtWallTemp);
      return form.txtVaporTemp->text();
    };
    QCOMPARE(leavePressure("200000"), QString("400"));

    QTest::keyClick(form.menTempType, Qt::Key_Down);
    QCOMPARE(form.menTempType->currentIndex(), 1);
    QCOMPARE(form.txtVaporTemp->text(), Saturation(1, 200000));
    QVERIFY(!form.txtVaporTemp->isEnabled());
    QCOMPARE(leavePressure("50000"), Saturation(1, 50000));
    QCOMPARE(leavePressure("2 bar"), Saturation(1, 200000));
    // Off the curve or no number: the last saturation temperature stays.
    QCOMPARE(leavePressure("1e9"), Saturation(1, 200000));
    QCOMPARE(leavePressure("high"), Saturation(1, 200000));
    QVERIFY(!form.txtVaporTemp->isEnabled());

    // Back to the typed temperature: enabled, still showing the last one.
    QTest::keyClick(form.menTempType, Qt::Key_Up);
    QVERIFY(form.txtVaporTemp->isEnabled());
    QCOMPARE(form.txtVaporTemp->text(), Saturation(1, 200000));
    QVERIFY(messages.messages.empty());
  }

  // Even an entry's text, typed, selects no entry.
  void typedSelectorTextSelectsNoEntry() {
    const QString typed = "Vapor Temperature [K]";
    FrmCVW& form = static_cast<FrmCVW&>(Open("frmCVW"));
    QTest::keyClick(form.menTempType, Qt::Key_Down);
    const QString tsat = form.txtVaporTemp->text();

    form.menTempType->setFocus();
    form.menTempType->lineEdit()->selectAll();
    QTest::keyClicks(form.menTempType->lineEdit(), typed);
    QTest::keyClick(form.menTempType->lineEdit(), Qt::Key_Return);
    MoveFocus(*form.menTempType, *form.txtPressure);
    QCOMPARE(form.menTempType->currentIndex(), -1);
    QCOMPARE(form.menTempType->currentText(), typed);

    // No entry: leaving the pressure field changes nothing.
    form.txtPressure->setText("200000");
    MoveFocus(*form.txtPressure, *form.txtWallTemp);
    QCOMPARE(form.txtVaporTemp->text(), tsat);
    QVERIFY(!form.txtVaporTemp->isEnabled());
  }

  // The length field's check runs on leaving it. Typing a bad length and
  // clicking Calculate (or Plot) is one action: the field's check and the
  // calculation's find the same fault, shown once; the evaporation window's
  // calculation words it differently, so each text shows once. A later click
  // is another action, with its own message.
  void aBadLengthGivesEachMessageOncePerAction_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("button");  // none: the focus moves to Calculate
    QTest::addColumn<QStringList>("shown");
    const QString wallTooShort = "*** ERROR: Wall Length should be greater than zero.";
    QTest::newRow("zero left") << u"frmCVW"_s << u"0"_s << QString() << QStringList{kTooShort};
    QTest::newRow("half left") << u"frmCVW"_s << u"0.5"_s << QString() << QStringList();
    QTest::newRow("text left") << u"frmEVW"_s << u"long"_s << QString() << QStringList{kNotANumber};
    QTest::newRow("zero, calculate")
        << u"frmCVW"_s << u"0"_s << u"cmdCalc"_s << QStringList{kTooShort};
    QTest::newRow("minus one, plot")
        << u"frmEVW"_s << u"-1"_s << u"cmdPlot"_s << QStringList{kTooShort, wallTooShort};
    QTest::newRow("text, calculate")
        << u"frmCVW"_s << u"long"_s << u"cmdCalc"_s << QStringList{kNotANumber};
  }

  void aBadLengthGivesEachMessageOncePerAction() {
    QFETCH(QString, window);
    QFETCH(QString, length);
    QFETCH(QString, button);
    QFETCH(QStringList, shown);
    CalculatorWindow& form = Open(window);
    auto* field = form.findChild<QLineEdit*>("txtLength");
    field->setFocus(Qt::MouseFocusReason);
    field->selectAll();
    QTest::keyClicks(field, length);
    if (button.isEmpty()) {
      MoveFocus(*field, *form.cmdCalc);
      QCOMPARE(QApplication::focusWidget(), form.cmdCalc);
    } else {
      QTest::mouseClick(form.findChild<QPushButton*>(button), Qt::LeftButton);
      QTest::qWait(50);
    }
    QStringList sorted = Shown();
    sorted.sort();
    QCOMPARE(sorted, shown);
    QCOMPARE(field->text(), length);
    QCOMPARE(form.txtOutput->Text(), QString("Output:\r\n"));
    QTest::mouseClick(form.cmdCalc, Qt::LeftButton);
    QCOMPARE(Shown().size(), shown.size() + (shown.isEmpty() ? 0 : 1));
  }

  // In real modal boxes: the box takes the activation, and coming back to
  // the window (or Calculate's own box) shows no second message.
  void aLengthMessageInARealBoxIsShownOnce() {
    SelfClosingBoxes boxes;
    WindowSet windows(&boxes);
    FrmEVW& evw = windows.frmEVW();
    QVERIFY(ShowAndActivate(evw));
    evw.txtLength->setText("0");
    evw.txtLength->setFocus(Qt::TabFocusReason);
    QTest::keyClick(evw.txtLength, Qt::Key_Tab);
    QTRY_COMPARE(boxes.messages.size(), std::size_t{1});
    QVERIFY(ShowAndActivate(evw));
    QTest::qWait(200);
    QCOMPARE(boxes.messages.size(), std::size_t{1});
    QCOMPARE(QApplication::focusWidget(), evw.txtIMFR);

    boxes.messages.clear();
    FrmCVW& cvw = windows.frmCVW();
    QVERIFY(ShowAndActivate(cvw));
    cvw.txtLength->setFocus(Qt::MouseFocusReason);
    cvw.txtLength->selectAll();
    QTest::keyClicks(cvw.txtLength, "0");
    QTest::mouseClick(cvw.cmdCalc, Qt::LeftButton);
    QTest::qWait(300);
    QCOMPARE(boxes.messages, std::vector<std::string>{kTooShort.toStdString()});
  }

  // The report's notes show under it, in full on hover; a report without
  // notes hides the line, a refused run keeps the notes of the report it keeps.
  void theNotesOfTheReportShowUnderIt() {
    FrmHT& form = static_cast<FrmHT&>(Open("frmHT"));
    Calculate(form);
    QVERIFY(form.lblNotes->isHidden());
    form.txtNumTube->setText("2.5");
    Calculate(form);
    QVERIFY(form.lblNotes->isVisible());
    QCOMPARE(form.lblNotes->Texts().size(), 1);
    QVERIFY(form.lblNotes->toolTip().startsWith("2.500 tubes is not a whole number"));

    form.txtWallTemp->setText("450");
    Calculate(form);
    QCOMPARE(form.lblNotes->Texts().size(), 1);
    form.txtWallTemp->setText("300");
    form.txtNumTube->setText("2");
    Calculate(form);
    QVERIFY(form.lblNotes->isHidden());
  }

  void theReportCanBeSelectedButNotEdited() {
    CalculatorWindow& form = Open("frmHT");
    const QString report = Calculate(form);
    form.txtOutput->setFocus();
    QTest::keyClicks(form.txtOutput, "typed");
    QTest::keyClick(form.txtOutput, Qt::Key_Delete);
    QCOMPARE(form.txtOutput->Text(), report);
    QCOMPARE(form.txtOutput->toPlainText(), QString(report).replace("\r\n", "\n"));
    QTest::keyClick(form.txtOutput, Qt::Key_A, Qt::ControlModifier);
    QVERIFY(form.txtOutput->textCursor().hasSelection());
  }

  void tabRunsDownTheInputColumnToTheButtons_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("order");
    const QStringList buttons{"cmdCalc", "cmdDone", "cmdPlot", "cmdStudy", "cmdCompare"};
    const QStringList condensation{"cmdFluid", "txtPressure", "menTempType", "txtVaporTemp",
                                   "txtWallTemp"};
    QTest::newRow("vertical wall") << "frmCVW"
                                   << condensation + QStringList{"txtLength", "menVaporDensity"} +
                                          buttons + QStringList{"menPreset", "txtCoeffC"};
    QTest::newRow("horizontal tubes")
        << "frmHT"
        << condensation +
               QStringList{"txtTubeDia", "txtNumTube", "menRowFactor", "menVaporDensity"} +
               buttons + QStringList{"txtOutput"};
    QTest::newRow("evaporation") << "frmEVW"
                                 << QStringList{"cmdFluid",  "txtSatTemp", "txtWallTemp",
                                                "txtLength", "txtIMFR",    "menVaporDensity"} +
                                        buttons + QStringList{"menPreset", "txtCoeffC"};
  }

  void tabRunsDownTheInputColumnToTheButtons() {
    QFETCH(QString, window);
    QFETCH(QStringList, order);
    CalculatorWindow& form = Open(window);
    form.cmdFluid->setFocus(Qt::TabFocusReason);
    QStringList visited = {QApplication::focusWidget()->objectName()};
    while (visited.size() < order.size()) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QWidget* focus = QApplication::focusWidget();
      // The editable selector's text area holds the focus for its box.
      if (focus->parentWidget()->objectName() == "menTempType") focus = focus->parentWidget();
      visited << focus->objectName();
    }
    QCOMPARE(visited, order);
  }

  void enterOnAFocusedButtonPressesIt() {
    CalculatorWindow& form = Open("frmEVW");
    form.cmdCalc->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form.cmdCalc, Qt::Key_Return);
    QVERIFY(form.txtOutput->Text().startsWith("Output :\r\n"));
    form.cmdDone->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form.cmdDone, Qt::Key_Enter);
    QVERIFY(!form.isVisible());
  }
};

QTEST_MAIN(CalculatorWindowTest)
#include "calculator_window_test.moc"
