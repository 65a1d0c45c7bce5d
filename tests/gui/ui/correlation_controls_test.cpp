// SPDX-License-Identifier: MIT
#include <QShortcut>
#include <QTableWidget>

#include "../ui_test_support.h"
#include "core/calc/correlation_presets.h"
#include "core/calc/report.h"
#include "core/state/shared_calculation.h"
#include "gui/ui/comparison_window.h"
#include "gui/ui/preset_chooser.h"

using namespace dorix;
using testing_support::Calculate;

namespace {

// Text of a comparison table's cell; empty where there is no item.
QString Cell(const QTableWidget& table, int row, int column) {
  const QTableWidgetItem* item = table.item(row, column);
  return item == nullptr ? QString() : item->text();
}

}  // namespace

class CorrelationControlsTest : public testing_support::UiTestCase {
  Q_OBJECT

 private slots:
  // Both wall windows share the panel: each test takes one of them.
  void choosingAPresetWritesItsTexts() {
    FrmEVW& form = static_cast<FrmEVW&>(Open("frmEVW"));
    CoefficientPanel& panel = *form.coefficients;
    QTest::keyClick(panel.preset->menPreset, Qt::Key_Down);
    const CorrelationPreset& chosen = *FindPreset("kutateladze-labuntsov");
    QCOMPARE(panel.preset->menPreset->currentText(), QString("kutateladze-labuntsov"));
    QCOMPARE(panel.preset->lblSource->text().toStdString(), chosen.source);
  }

  void editingACoefficientShowsCustomUntilThePresetIsBack() {
    FrmCVW& form = static_cast<FrmCVW&>(Open("frmCVW"));
    CoefficientPanel& panel = *form.coefficients;
    QComboBox& list = *panel.preset->menPreset;

    panel.txtCoeffm->setFocus();
    QTest::keyClick(panel.txtCoeffm, Qt::Key_End);
    QTest::keyClicks(panel.txtCoeffm, "5");
    QCOMPARE(panel.txtCoeffm->text(), QString("0.45"));
    QCOMPARE(list.currentText(), QString("Custom"));
    QCOMPARE(list.count(), 4);
    QCOMPARE(panel.preset->lblSource->text(), QString("coefficients as typed"));

    QTest::keyClick(panel.txtCoeffm, Qt::Key_Backspace);
    QCOMPARE(list.currentText(), QString("default"));
    QCOMPARE(list.count(), 3);

    // Typed by hand, a preset's nine texts are that preset.
    const CoefficientTexts& laminar = FindPreset("nusselt-laminar")->texts;
    panel.txtCoeffC->setText(QString::fromStdString(laminar.C));
    QCOMPARE(list.currentText(), QString("Custom"));
    panel.txtCoeffD->setText(QString::fromStdString(laminar.D));
    panel.txtCoeffw->setText(QString::fromStdString(laminar.w));
    QCOMPARE(list.currentText(), QString("nusselt-laminar"));
    QCOMPARE(list.count(), 3);
  }

  // The row factor's source shows on hover; its choice and the presets reach
  // the calculation in calculator_window_test.
  void theRowFactorShowsItsSourceOnHover() {
    FrmHT& ht = static_cast<FrmHT&>(Open("frmHT"));
    QVERIFY(ht.menRowFactor->toolTip().contains("Nusselt, W. (1916)"));
    QTest::keyClick(ht.menRowFactor, Qt::Key_Down);
    QVERIFY(ht.menRowFactor->toolTip().contains("Kern, D. Q. (1958)"));
  }

  void compareTabulatesEveryPresetWithTheSpread() {
    FrmCVW& cvw = static_cast<FrmCVW&>(Open("frmCVW"));
    cvw.txtLength->setText("10");
    QTest::mouseClick(cvw.cmdCompare, Qt::LeftButton);

    ComparisonWindow* compare = cvw.comparisonWindow();
    QVERIFY(compare != nullptr && compare->isVisible());
    QVERIFY(compare->windowTitle().endsWith("(H2O): presets compared"));
    const QTableWidget& table = *compare->tblCompare;
    QCOMPARE(table.rowCount(), 4);
    QCOMPARE(Cell(table, 0, 0), QString("default"));
    QCOMPARE(Cell(table, 1, 1), QString("Kutateladze (1963), Labuntsov (1957)"));
    QCOMPARE(Cell(table, 3, 0), QString("max/min"));
    QVERIFY(table.item(0, 0)->font().bold());
    QVERIFY(!table.item(1, 0)->font().bold());
    // The numbers as a report shows them; the spread of h as max over min.
    WallCondensationFields fields = cvw.Fields();
    fields.coefficients = FindPreset("kutateladze-labuntsov")->texts;
    const std::string report = ReportText(CalculateWallCondensation(fields, SharedSetup()));
    QVERIFY(QString::fromStdString(report).contains(
        "Average heat transfer coefficient = " + Cell(table, 1, 4) + " W/m\u00B2K"));
    QVERIFY(!Cell(table, 3, 4).isEmpty());
    // Each row's notes by code, in full on hover: the laminar law at Re 1E+04.
    QCOMPARE(Cell(table, 2, 5), QString("correlation-range"));
    QVERIFY(table.item(2, 5)->toolTip().contains("the films the nusselt-laminar coefficients"));
    QVERIFY(messages.messages.empty());
    // Escape closes it. Offscreen this window never becomes the application's
    // active window, which a key needs; on a desktop it does.
    auto* escape = compare->findChild<QShortcut*>();
    QCOMPARE(escape->key(), QKeySequence(Qt::Key_Escape));
    emit escape->activated();
    QVERIFY(!compare->isVisible());
    QTest::mouseClick(cvw.cmdCompare, Qt::LeftButton);

    // Typed coefficients are "Custom", as the list calls them; rows are of one height.
    cvw.coefficients->txtCoeffC->setText("31");
    QTest::mouseClick(cvw.cmdCompare, Qt::LeftButton);
    QCOMPARE(Cell(table, 3, 0), QString("Custom"));
    for (int row = 1; row < table.rowCount(); ++row) {
      QCOMPARE(table.rowHeight(row), table.rowHeight(0));
    }

    QTest::mouseClick(cvw.cmdDone, Qt::LeftButton);
    QVERIFY(!compare->isVisible());
  }

  void refusedRowsShowTheirMessageWithoutABoxAndKeepTheReport() {
    FrmHT& ht = static_cast<FrmHT&>(Open("frmHT"));
    const QString report = Calculate(ht);
    ht.txtTubeDia->setText("0");
    QTest::mouseClick(ht.cmdCompare, Qt::LeftButton);

    const QTableWidget& table = *ht.comparisonWindow()->tblCompare;
    QCOMPARE(table.rowCount(), 3);
    QCOMPARE(Cell(table, 0, 0), QString("nusselt"));
    QCOMPARE(Cell(table, 1, 0), QString("kern"));
    for (int row = 0; row < 2; ++row) {
      QCOMPARE(Cell(table, row, 2), QString("*** ERROR: Tube diameter must be greater than zero."));
      QCOMPARE(table.columnSpan(row, 2), 3);
    }
    QCOMPARE(Cell(table, 2, 2), QString("-"));
    QVERIFY(messages.messages.empty());
    QCOMPARE(ht.txtOutput->Text(), report);

    // A second press refreshes the same window, spans and all.
    ht.txtTubeDia->setText("0.1");
    QTest::mouseClick(ht.cmdCompare, Qt::LeftButton);
    QCOMPARE(table.columnSpan(0, 2), 1);
    QVERIFY(!Cell(table, 0, 4).isEmpty());
  }
};

QTEST_MAIN(CorrelationControlsTest)
#include "correlation_controls_test.moc"
