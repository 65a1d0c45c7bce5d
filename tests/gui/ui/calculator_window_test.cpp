// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "core/calc/report.h"
#include "core/state/get_property.h"
#include "core/state/module1.h"
#include "core/text/format_value.h"
#include "gui/ui/coefficient_panel.h"
#include "gui/ui/frm_cvw.h"
#include "gui/ui/frm_evw.h"
#include "gui/ui/frm_ht.h"
#include "gui/ui/frm_liquid.h"
#include "gui/ui/nomenclature_picture.h"
#include "gui/ui/notes_line.h"
#include "gui/ui/window_set.h"
#include "gui/widgets/output_box.h"
#include "../ui_test_support.h"

using namespace dorix;
using testing_support::MoveFocus;
using testing_support::ShowAndActivate;
using testing_support::Window;

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
  double tsat = 0.0;
  GetProperty(fluid, kSaturationTemperature, pressure, tsat);
  return QString::fromStdString(FormatValue(tsat));
}

}  // namespace

class CalculatorWindowTest : public testing_support::UiTestCase {
  Q_OBJECT

 private slots:
  void theFluidButtonNamesTheFluidOnActivation_data() {
    QTest::addColumn<int>("fluid");
    QTest::addColumn<QString>("caption");
    QTest::newRow("ammonia") << 2 << "NH3";
    QTest::newRow("R-134a") << 6 << "R-134a";
    QTest::newRow("outside 1 to 12 leaves it") << 13 << "N2";
  }

  void theFluidButtonNamesTheFluidOnActivation() {
    QFETCH(int, fluid);
    QFETCH(QString, caption);
    WindowSet& windows = Windows();
    Module1.FluidNo = 3;
    QVERIFY(ShowAndActivate(windows.frmEVW()));
    QVERIFY(ShowAndActivate(windows.frmHT()));
    Module1.FluidNo = fluid;
    QVERIFY(ShowAndActivate(windows.frmEVW()));
    QCOMPARE(windows.frmEVW().cmdFluid->text(), caption);
  }

  void aFluidChoiceReachesEveryWindowWhenItIsActivated() {
    WindowSet& windows = Windows();
    FrmCVW& cvw = windows.frmCVW();
    FrmHT& ht = windows.frmHT();
    FrmEVW& evw = windows.frmEVW();
    QVERIFY(ShowAndActivate(ht));
    ht.hide();
    QVERIFY(ShowAndActivate(cvw));

    QTest::mouseClick(cvw.cmdFluid, Qt::LeftButton);
    FrmLiquid& fluids = windows.frmLiquid();
    QVERIFY(fluids.isVisible());
    QVERIFY(QTest::qWaitForWindowActive(&fluids));
    QTest::mouseClick(fluids.cmdFluid[3], Qt::LeftButton);
    QVERIFY(!fluids.isVisible());
    QCOMPARE(Module1.FluidNo, 4);

    for (CalculatorWindow* window : std::initializer_list<CalculatorWindow*>{&cvw, &ht, &evw}) {
      QVERIFY(ShowAndActivate(*window));
      QCOMPARE(window->cmdFluid->text(), QString("Hg"));
    }
  }

  void saturationModeFillsAndLocksTheVaporTemperature_data() {
    QTest::addColumn<QString>("window");
    QTest::newRow("vertical wall") << "frmCVW";
    QTest::newRow("horizontal tubes") << "frmHT";
  }

  void saturationModeFillsAndLocksTheVaporTemperature() {
    QFETCH(QString, window);
    WindowSet& windows = Windows();
    auto& form = static_cast<CondensationWindow&>(Window(windows, window));
    QVERIFY(ShowAndActivate(form));

    QTest::keyClick(form.menTempType, Qt::Key_Down);
    QCOMPARE(form.menTempType->currentIndex(), 1);
    const QString tsat = Saturation(1, 101325);
    QCOMPARE(form.txtVaporTemp->text(), tsat);
    QVERIFY(!form.txtVaporTemp->isEnabled());

    // Back to the typed temperature: enabled, still showing the last saturation temperature.
    QTest::keyClick(form.menTempType, Qt::Key_Up);
    QCOMPARE(form.menTempType->currentIndex(), 0);
    QVERIFY(form.txtVaporTemp->isEnabled());
    QCOMPARE(form.txtVaporTemp->text(), tsat);
    QVERIFY(messages.messages.empty());
  }

  void leavingThePressureFieldRefreshesOnlyInSaturationMode() {
    WindowSet& windows = Windows();
    FrmCVW& form = windows.frmCVW();
    QVERIFY(ShowAndActivate(form));

    form.txtPressure->setText("200000");
    MoveFocus(*form.txtPressure, *form.txtWallTemp);
    QCOMPARE(form.txtVaporTemp->text(), QString("400"));
    QVERIFY(form.txtVaporTemp->isEnabled());

    QTest::keyClick(form.menTempType, Qt::Key_Down);
    QCOMPARE(form.txtVaporTemp->text(), Saturation(1, 200000));
    form.txtPressure->setText("50000");
    MoveFocus(*form.txtPressure, *form.txtWallTemp);
    QCOMPARE(form.txtVaporTemp->text(), Saturation(1, 50000));
    // A pressure with a unit reads as the calculation reads it.
    form.txtPressure->setText("2 bar");
    MoveFocus(*form.txtPressure, *form.txtWallTemp);
    QCOMPARE(form.txtVaporTemp->text(), Saturation(1, 200000));
    QVERIFY(messages.messages.empty());
  }

  void aPressureOffTheCurveKeepsThePreviousSaturationTemperature_data() {
    QTest::addColumn<QString>("pressure");
    QTest::newRow("beyond the curve") << "1e9";
    QTest::newRow("not a number") << "high";
  }

  void aPressureOffTheCurveKeepsThePreviousSaturationTemperature() {
    QFETCH(QString, pressure);
    WindowSet& windows = Windows();
    FrmHT& form = windows.frmHT();
    QVERIFY(ShowAndActivate(form));
    QTest::keyClick(form.menTempType, Qt::Key_Down);
    const QString tsat = form.txtVaporTemp->text();

    form.txtPressure->setText(pressure);
    MoveFocus(*form.txtPressure, *form.txtWallTemp);
    QCOMPARE(form.txtVaporTemp->text(), tsat);
    QVERIFY(!form.txtVaporTemp->isEnabled());
    QVERIFY(messages.messages.empty());
  }

  void theSaturationTemperatureFollowsANewFluid() {
    WindowSet& windows = Windows();
    FrmCVW& form = windows.frmCVW();
    QVERIFY(ShowAndActivate(form));
    QTest::keyClick(form.menTempType, Qt::Key_Down);
    QCOMPARE(form.txtVaporTemp->text(), Saturation(1, 101325));

    QTest::mouseClick(form.cmdFluid, Qt::LeftButton);
    FrmLiquid& fluids = windows.frmLiquid();
    QVERIFY(QTest::qWaitForWindowActive(&fluids));
    QTest::mouseClick(fluids.cmdFluid[1], Qt::LeftButton);
    QVERIFY(ShowAndActivate(form));

    QCOMPARE(form.cmdFluid->text(), QString("NH3"));
    QCOMPARE(form.txtVaporTemp->text(), Saturation(2, 101325));
    QVERIFY(Saturation(2, 101325) != Saturation(1, 101325));
  }

  void typedSelectorTextSelectsNoEntry_data() {
    QTest::addColumn<QString>("typed");
    QTest::newRow("other text") << "Wet steam";
    QTest::newRow("an entry's text") << "Vapor Temperature [K]";
  }

  void typedSelectorTextSelectsNoEntry() {
    QFETCH(QString, typed);
    WindowSet& windows = Windows();
    FrmCVW& form = windows.frmCVW();
    QVERIFY(ShowAndActivate(form));
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
    QCOMPARE(form.menTempType->currentIndex(), -1);
    QCOMPARE(form.txtVaporTemp->text(), tsat);
    QVERIFY(!form.txtVaporTemp->isEnabled());
  }

  void leavingTheLengthFieldChecksTheLength_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("message");
    const QString tooShort = "*** ERROR: Length must be greater than zero.";
    QTest::newRow("zero") << "frmCVW"
                          << "0" << tooShort;
    QTest::newRow("half") << "frmCVW"
                          << "0.5" << QString();
    QTest::newRow("minus one millimetre") << "frmEVW"
                                          << "-1 mm" << tooShort;
    QTest::newRow("text") << "frmEVW"
                          << "long"
                          << "*** ERROR: Length of wall [m] is not a number: \"long\".";
  }

  void leavingTheLengthFieldChecksTheLength() {
    QFETCH(QString, window);
    QFETCH(QString, length);
    QFETCH(QString, message);
    WindowSet& windows = Windows();
    CalculatorWindow& form = Window(windows, window);
    auto* field = form.findChild<QLineEdit*>("txtLength");
    QVERIFY(ShowAndActivate(form));

    field->setText(length);
    MoveFocus(*field, *form.cmdCalc);

    if (message.isEmpty()) {
      QVERIFY(messages.messages.empty());
    } else {
      QCOMPARE(messages.messages.size(), std::size_t{1});
      QCOMPARE(QString::fromStdString(messages.messages[0]), message);
    }
    // Nothing else happens: the text stays, the focus went where it was sent.
    QCOMPARE(field->text(), length);
    QCOMPARE(QApplication::focusWidget(), form.cmdCalc);
    QVERIFY(form.cmdCalc->isEnabled());
  }

  void aLengthMessageInARealBoxIsShownOnce() {
    SelfClosingBoxes boxes;
    WindowSet windows(&boxes);
    FrmEVW& form = windows.frmEVW();
    QVERIFY(ShowAndActivate(form));
    form.txtLength->setText("0");
    form.txtLength->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form.txtLength, Qt::Key_Tab);
    QTRY_COMPARE(boxes.messages.size(), std::size_t{1});
    // The box took the activation; coming back to the window shows no second message.
    QVERIFY(ShowAndActivate(form));
    QTest::qWait(200);
    QCOMPARE(boxes.messages.size(), std::size_t{1});
    QCOMPARE(QApplication::focusWidget(), form.txtIMFR);
  }

  // Typing a length of 0 and clicking Calculate (or Plot) is one action: the
  // field's check on losing the focus and the calculation's own check find
  // the same fault, and the user sees its message once. The evaporation
  // window's calculation words it differently; both texts are shown, each once.
  void zeroLengthThenAClickGivesEachMessageOnce_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QStringList>("messages");
    const QString tooShort = "*** ERROR: Length must be greater than zero.";
    const QString wallTooShort = "*** ERROR: Wall Length should be greater than zero.";
    QTest::newRow("frmCVW calculate") << "frmCVW"
                                      << "cmdCalc"
                                      << "0" << QStringList{tooShort};
    QTest::newRow("frmEVW plot") << "frmEVW"
                                 << "cmdPlot"
                                 << "-1" << QStringList{tooShort, wallTooShort};
    QTest::newRow("not a number")
        << "frmCVW"
        << "cmdCalc"
        << "long" << QStringList{"*** ERROR: Length of wall [m] is not a number: \"long\"."};
  }

  void zeroLengthThenAClickGivesEachMessageOnce() {
    QFETCH(QString, window);
    QFETCH(QString, button);
    QFETCH(QString, length);
    QFETCH(QStringList, messages);
    MessageRecorder shown;
    WindowSet windows(&shown);
    CalculatorWindow& form = Window(windows, window);
    QVERIFY(ShowAndActivate(form));
    auto* field = form.findChild<QLineEdit*>("txtLength");
    field->setFocus(Qt::MouseFocusReason);
    field->selectAll();
    QTest::keyClicks(field, length);
    const auto sorted = [&shown] {
      QStringList texts;
      for (const std::string& text : shown.messages) texts << QString::fromStdString(text);
      texts.sort();
      return texts;
    };

    QTest::mouseClick(form.findChild<QPushButton*>(button), Qt::LeftButton);
    QTest::qWait(50);
    QCOMPARE(sorted(), messages);
    QCOMPARE(form.txtOutput->Text(), QString("Output:\r\n"));

    // Another click is another action, refused again with its message.
    shown.messages.clear();
    QTest::mouseClick(form.cmdCalc, Qt::LeftButton);
    QTest::qWait(50);
    QCOMPARE(shown.messages.size(), std::size_t{1});
  }

  void leavingTheFieldAndLaterCalculatingAreTwoActions() {
    WindowSet& windows = Windows();
    FrmCVW& form = windows.frmCVW();
    QVERIFY(ShowAndActivate(form));
    form.txtLength->setText("0");
    form.txtLength->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form.txtLength, Qt::Key_Tab);
    QTest::qWait(50);
    QCOMPARE(messages.messages.size(), std::size_t{1});
    QTest::mouseClick(form.cmdCalc, Qt::LeftButton);
    QTest::qWait(50);
    const std::string tooShort = "*** ERROR: Length must be greater than zero.";
    QCOMPARE(messages.messages, (std::vector<std::string>{tooShort, tooShort}));
  }

  // With real modal boxes the field's check runs while Calculate's box is up.
  void zeroLengthThenCalculateInRealBoxesShowsOneBox() {
    SelfClosingBoxes boxes;
    WindowSet windows(&boxes);
    FrmCVW& form = windows.frmCVW();
    QVERIFY(ShowAndActivate(form));
    form.txtLength->setFocus(Qt::MouseFocusReason);
    form.txtLength->selectAll();
    QTest::keyClicks(form.txtLength, "0");
    QTest::mouseClick(form.cmdCalc, Qt::LeftButton);
    QTest::qWait(300);
    QCOMPARE(boxes.messages,
             std::vector<std::string>{"*** ERROR: Length must be greater than zero."});
  }

  void aCalculationShowsTheReportOfTheCalculationRoutine_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("saturation");
    QTest::newRow("vertical wall") << "frmCVW" << false;
    QTest::newRow("vertical wall, saturated vapour") << "frmCVW" << true;
    QTest::newRow("horizontal tubes") << "frmHT" << false;
    QTest::newRow("horizontal tubes, saturated vapour") << "frmHT" << true;
    QTest::newRow("evaporation") << "frmEVW" << false;
  }

  void aCalculationShowsTheReportOfTheCalculationRoutine() {
    QFETCH(QString, window);
    QFETCH(bool, saturation);
    WindowSet& windows = Windows();
    CalculatorWindow& form = Window(windows, window);
    QVERIFY(ShowAndActivate(form));
    if (saturation) QTest::keyClick(form.findChild<QComboBox*>("menTempType"), Qt::Key_Down);

    QTest::mouseClick(form.cmdCalc, Qt::LeftButton);

    MessageRecorder expectedMessages;
    std::string expected;
    if (window == "frmCVW") {
      WallCondensationFields fields;
      fields.tempTypeIndex = saturation ? kSaturationVaporTemperature : kTypedVaporTemperature;
      expected = ReportText(CalculateWallCondensation(fields, expectedMessages));
    } else if (window == "frmHT") {
      TubeCondensationFields fields;
      fields.tempTypeIndex = saturation ? kSaturationVaporTemperature : kTypedVaporTemperature;
      expected = ReportText(CalculateTubeCondensation(fields, expectedMessages));
    } else {
      expected = ReportText(CalculateEvaporation(EvaporationFields{}, expectedMessages));
    }
    QVERIFY(expectedMessages.messages.empty());
    QVERIFY(messages.messages.empty());
    QVERIFY(expected.size() > 100);
    QCOMPARE(form.txtOutput->Text(), QString::fromStdString(expected));
    QCOMPARE(form.txtOutput->Text().toStdString(), expected);
  }

  void aFieldThatIsNotANumberIsAnsweredAndTheWindowStaysUsable_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("field");
    QTest::newRow("wall temperature") << "frmCVW"
                                      << "txtWallTemp";
    QTest::newRow("flow rate") << "frmEVW"
                               << "txtIMFR";
  }

  void aFieldThatIsNotANumberIsAnsweredAndTheWindowStaysUsable() {
    QFETCH(QString, window);
    QFETCH(QString, field);
    WindowSet& windows = Windows();
    CalculatorWindow& form = Window(windows, window);
    QVERIFY(ShowAndActivate(form));
    QTest::mouseClick(form.cmdCalc, Qt::LeftButton);
    const QString report = form.txtOutput->Text();
    QVERIFY(messages.messages.empty());

    auto* edit = form.findChild<QLineEdit*>(field);
    const QString good = edit->text();
    edit->setText("1,5");
    QTest::mouseClick(form.cmdCalc, Qt::LeftButton);
    QCOMPARE(messages.messages.size(), std::size_t{1});
    QVERIFY(messages.messages[0].starts_with("*** ERROR: "));
    QVERIFY(messages.messages[0].find("1,5") != std::string::npos);
    QCOMPARE(form.txtOutput->Text(), report);

    edit->setText(good);
    form.txtOutput->SetText("Output:\r\n");
    QTest::mouseClick(form.cmdCalc, Qt::LeftButton);
    QCOMPARE(messages.messages.size(), std::size_t{1});
    QCOMPARE(form.txtOutput->Text(), report);
  }

  // The report's notes show under it, in full on hover; a report without
  // notes hides the line, a refused run keeps the notes of the report it
  // keeps; the vapour-density choice reaches the calculation.
  void theNotesOfTheReportShowUnderIt() {
    WindowSet& windows = Windows();
    FrmHT& form = windows.frmHT();
    QVERIFY(ShowAndActivate(form));
    QTest::mouseClick(form.cmdCalc, Qt::LeftButton);
    QVERIFY(form.lblNotes->isHidden());

    form.txtNumTube->setText("2.5");
    form.menVaporDensity->setCurrentIndex(1);
    QTest::mouseClick(form.cmdCalc, Qt::LeftButton);
    QVERIFY(form.lblNotes->isVisible());
    QCOMPARE(form.lblNotes->Texts().size(), 1);
    QVERIFY(form.lblNotes->toolTip().startsWith("2.500 tubes is not a whole number"));
    QVERIFY(form.txtOutput->Text().contains("Saturated vapor density = "));

    form.txtWallTemp->setText("450");
    QTest::mouseClick(form.cmdCalc, Qt::LeftButton);
    QCOMPARE(form.lblNotes->Texts().size(), 1);
    form.txtWallTemp->setText("300");
    form.txtNumTube->setText("2");
    QTest::mouseClick(form.cmdCalc, Qt::LeftButton);
    QVERIFY(form.lblNotes->isHidden());
  }

  void theReportCanBeSelectedButNotEdited() {
    WindowSet& windows = Windows();
    FrmHT& form = windows.frmHT();
    QVERIFY(ShowAndActivate(form));
    QTest::mouseClick(form.cmdCalc, Qt::LeftButton);
    const QString report = form.txtOutput->Text();

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
    QTest::newRow("vertical wall")
        << "frmCVW"
        << QStringList{"cmdFluid",  "txtPressure",     "menTempType", "txtVaporTemp", "txtWallTemp",
                       "txtLength", "menVaporDensity", "cmdCalc",     "cmdDone",      "cmdPlot",
                       "cmdStudy",  "cmdCompare",      "menPreset",   "txtCoeffC"};
    QTest::newRow("horizontal tubes")
        << "frmHT" << QStringList{"cmdFluid",        "txtPressure", "menTempType", "txtVaporTemp",
                                  "txtWallTemp",     "txtTubeDia",  "txtNumTube",  "menRowFactor",
                                  "menVaporDensity", "cmdCalc",     "cmdDone",     "cmdPlot",
                                  "cmdStudy",        "cmdCompare",  "txtOutput"};
    QTest::newRow("evaporation") << "frmEVW"
                                 << QStringList{"cmdFluid",  "txtSatTemp", "txtWallTemp",
                                                "txtLength", "txtIMFR",    "menVaporDensity",
                                                "cmdCalc",   "cmdDone",    "cmdPlot",
                                                "cmdStudy",  "cmdCompare", "menPreset",
                                                "txtCoeffC"};
  }

  void tabRunsDownTheInputColumnToTheButtons() {
    QFETCH(QString, window);
    QFETCH(QStringList, order);
    WindowSet& windows = Windows();
    CalculatorWindow& form = Window(windows, window);
    QVERIFY(ShowAndActivate(form));
    form.cmdFluid->setFocus(Qt::TabFocusReason);
    QStringList visited = {QApplication::focusWidget()->objectName()};
    while (visited.size() < order.size()) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QWidget* focus = QApplication::focusWidget();
      // The editable selector's text area holds the focus for its box.
      if (focus->parentWidget() != nullptr &&
          focus->parentWidget()->objectName() == "menTempType") {
        focus = focus->parentWidget();
      }
      visited << focus->objectName();
    }
    QCOMPARE(visited, order);
  }

  void enterOnAFocusedButtonPressesIt() {
    WindowSet& windows = Windows();
    FrmEVW& form = windows.frmEVW();
    QVERIFY(ShowAndActivate(form));
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
