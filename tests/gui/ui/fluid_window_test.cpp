// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QImage>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "core/props/fluid_ranges.h"
#include "core/props/property_file.h"
#include "core/state/module1.h"
#include "gui/ui/frm_liquid.h"
#include "gui/ui/ranges_picture.h"
#include "gui/widgets/twips.h"
#include "../ui_test_support.h"

using namespace dorix;

namespace {

// A store whose curves each cover their own range, so that every column
// shows which curves it was read from.
PropertyStore StoreOf(const std::string& text) {
  PropertyStore store;
  const LoadResult result = ParsePropertyText(text, "ranges.dat", store);
  if (!result.ok) qFatal("%s", result.message.c_str());
  return store;
}

std::string Curve(const std::string& name, double first, double last) {
  return name + ",2,1\n" + std::to_string(first) + "," + std::to_string(last) + "\n1,2\n";
}

QString Joined(const RichLine& line) {
  QString text;
  for (const TextRun& run : line) text += run.text;
  return text;
}

}  // namespace

class FluidWindowTest : public testing_support::UiTestCase {
  Q_OBJECT

 private slots:
  // The captions, blanks included, and the places the fluid window's
  // buttons are known by; each click sets its fluid and hides the window.
  void buttonsCarryTheirCaptionsOverTheTableRows_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("water") << 0 << "1) H2O" << TwipsRect(120, 430, 1170, 480);
    QTest::newRow("ammonia") << 1 << "2) NH3 " << TwipsRect(120, 930, 1170, 480);
    QTest::newRow("nitrogen") << 2 << "3) N2   " << TwipsRect(120, 1420, 1170, 460);
    QTest::newRow("mercury") << 3 << "4) Hg   " << TwipsRect(120, 1900, 1170, 480);
    QTest::newRow("R-22") << 4 << "5) R-22" << TwipsRect(120, 2400, 1170, 480);
    QTest::newRow("R-134a") << 5 << "6) R-134a" << TwipsRect(120, 2890, 1170, 460);
  }

  void buttonsCarryTheirCaptionsOverTheTableRows() {
    QFETCH(int, index);
    QFETCH(QString, caption);
    QFETCH(QRect, geometry);
    FrmLiquid window;
    QCOMPARE(window.windowTitle(), QString("P L E A S E   S E L E C T   A   L I Q U I D"));
    QPushButton* button = window.cmdFluid[index];
    QCOMPARE(button->text(), caption);
    QCOMPARE(button->geometry(), geometry);
    QVERIFY(button->font().bold());
    QCOMPARE(button->font().pointSizeF(), 8.25);
    QVERIFY(testing_support::ShowAndActivate(window));
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(Module1.FluidNo, index + 1);
    QVERIFY(!window.isVisible());
  }

  void choosingTheSelectedFluidAgainStillHides() {
    Module1.FluidNo = 4;
    FrmLiquid window;
    QVERIFY(testing_support::ShowAndActivate(window));
    QTest::mouseClick(window.cmdFluid[3], Qt::LeftButton);
    QCOMPARE(Module1.FluidNo, 4);
    QVERIFY(!window.isVisible());

    QVERIFY(testing_support::ShowAndActivate(window));
    for (QPushButton* button : window.cmdFluid) {
      QVERIFY(!button->hasFocus());
      QVERIFY(!button->isDown());
      QVERIFY(!button->isChecked());
    }
  }

  // No button has the focus, so no focus frame marks one as chosen; the
  // keyboard still reaches every button.
  void opensWithTheFocusOnTheWindowNotOnAButton_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("focused");
    QTest::newRow("Tab reaches the first fluid") << int(Qt::Key_Tab) << 0;
    QTest::newRow("Shift+Tab reaches the last fluid") << int(Qt::Key_Backtab) << 5;
  }

  void opensWithTheFocusOnTheWindowNotOnAButton() {
    QFETCH(int, key);
    QFETCH(int, focused);
    FrmLiquid window;
    QVERIFY(testing_support::ShowAndActivate(window));
    QCOMPARE(QApplication::focusWidget(), &window);
    for (QPushButton* button : window.cmdFluid) QVERIFY(!button->hasFocus());

    QTest::keyClick(&window, static_cast<Qt::Key>(key));
    QVERIFY(window.cmdFluid[focused]->hasFocus());
    QTest::keyClick(window.cmdFluid[focused], Qt::Key_Return);
    QCOMPARE(Module1.FluidNo, focused + 1);
    QVERIFY(!window.isVisible());

    // Shown again, the window, not the button last used, takes the focus.
    QVERIFY(testing_support::ShowAndActivate(window));
    QCOMPARE(window.focusWidget(), &window);
  }

  // The buttons are the table's row labels: the table's rules run right
  // beside each button, the header rule above the first, a rule between each
  // two, the bottom rule under the last, and the first column's rule right
  // of them all.
  void buttonsSitOnTheTableRowsAndFirstColumn() {
    FrmLiquid window;
    QVERIFY(testing_support::ShowAndActivate(window));
    const QImage picture = window.grab().toImage();
    QCOMPARE(picture.size(), window.size());
    const auto rule = [&picture](int x, int y) { return qGray(picture.pixel(x, y)) < 100; };
    const auto clear = [&picture](int x, int y) { return qGray(picture.pixel(x, y)) > 200; };
    for (int i = 0; i < 6; ++i) {
      const QRect button = window.cmdFluid[i]->geometry();
      QVERIFY(window.Image1->geometry().contains(button));
      // In the second column, just right of the first column's rule.
      const int x = button.right() + 3;
      QVERIFY2(rule(x, button.top() - 1), qPrintable(QString("above button %1").arg(i)));
      QVERIFY2(clear(x, button.top()), qPrintable(QString("top of row %1").arg(i)));
      QVERIFY2(clear(x, button.bottom()), qPrintable(QString("foot of row %1").arg(i)));
      QVERIFY2(rule(x, button.bottom() + 1), qPrintable(QString("below button %1").arg(i)));
      const int y = button.center().y();
      QVERIFY2(rule(button.right() + 1, y), qPrintable(QString("right of button %1").arg(i)));
      QVERIFY2(clear(button.right() + 2, y), qPrintable(QString("row %1").arg(i)));
    }
  }

  // The page button turns to today's refrigerants and back; a fluid of the
  // second page is chosen like the first six, and the window opens again on
  // the page of the fluid in use, its table reading the same file.
  void theSecondPageHoldsTodaysRefrigerants() {
    Module1.FluidNo = 1;
    FrmLiquid window;
    QVERIFY(testing_support::ShowAndActivate(window));
    QVERIFY(!window.cmdFluid[6]->isVisible());
    QTest::mouseClick(window.cmdPage, Qt::LeftButton);
    QVERIFY(window.cmdFluid[11]->isVisible() && !window.cmdFluid[0]->isVisible());
    QCOMPARE(window.cmdFluid[11]->text(), QString("12) CO2"));
    QCOMPARE(window.cmdFluid[11]->geometry(), window.cmdFluid[5]->geometry());
    QCOMPARE(Joined(window.Image2->CellLines(12, RangeColumn::kLiquid).front()),
             QString("216.59 -"));
    QTest::keyClick(&window, Qt::Key_Tab);
    QVERIFY(window.cmdFluid[6]->hasFocus());
    QTest::mouseClick(window.cmdFluid[11], Qt::LeftButton);
    QCOMPARE(Module1.FluidNo, 12);
    QVERIFY(!window.isVisible());
    QVERIFY(testing_support::ShowAndActivate(window));
    QCOMPARE(window.CurrentPage(), 1);
    QTest::mouseClick(window.cmdPage, Qt::LeftButton);
    QCOMPARE(window.CurrentPage(), 0);
  }

  void enterPressesTheFocusedButton() {
    FrmLiquid window;
    QVERIFY(testing_support::ShowAndActivate(window));
    window.cmdFluid[5]->setFocus();
    QTest::keyClick(window.cmdFluid[5], Qt::Key_Return);
    QCOMPARE(Module1.FluidNo, 6);
    QVERIFY(!window.isVisible());
  }

  void closingWithTheFrameOnlyHides() {
    Module1.FluidNo = 3;
    QPointer<FrmLiquid> window = new FrmLiquid;
    QVERIFY(testing_support::ShowAndActivate(*window));
    QVERIFY(window->close());
    QCoreApplication::processEvents();
    QVERIFY(!window.isNull());
    QVERIFY(!window->isVisible());
    QCOMPARE(Module1.FluidNo, 3);
    delete window;
  }

  void columnsShowTheRangesTheirCurvesCover() {
    const PropertyStore store = StoreOf(
        Curve("watrol", 270, 600) + Curve("watmul", 273.15, 590) + Curve("watkl", 260, 580) +
        Curve("watprl", 250, 700) + Curve("watmuv", 280, 2000) + Curve("watkv", 273.15, 1900) +
        Curve("watcpv", 300, 2100) + Curve("watpsat", 272, 560) + Curve("wattsat", 610, 6.25e6) +
        Curve("watsig", 268.15, 647.096) + Curve("hgmuv", 650, 2000) + Curve("hgkv", 600, 1800));

    const auto range = [&store](int fluid, RangeColumn column) {
      const auto covered = CoveredRange(store, fluid, column);
      return covered ? std::make_pair(covered->low, covered->high) : std::make_pair(-1.0, -1.0);
    };
    // Liquid and vapour: the range every curve of the group covers.
    QCOMPARE(range(1, RangeColumn::kLiquid), std::make_pair(273.15f * 1.0, 580.0));
    QCOMPARE(range(1, RangeColumn::kVapor), std::make_pair(300.0, 1900.0));
    // Tsat: temperatures of the pressure curve; Psat: pressures of the temperature curve.
    QCOMPARE(range(1, RangeColumn::kTsat), std::make_pair(272.0, 560.0));
    QCOMPARE(range(1, RangeColumn::kPsat), std::make_pair(610.0, 6.25e6));
    QCOMPARE(range(1, RangeColumn::kSigma), std::make_pair(268.15f * 1.0, 647.096f * 1.0));
    // Mercury's vapour specific heat is a constant: the other two vapour curves decide.
    QCOMPARE(range(4, RangeColumn::kVapor), std::make_pair(650.0, 1800.0));
    // A fluid without curves has no range.
    QCOMPARE(range(2, RangeColumn::kLiquid), std::make_pair(-1.0, -1.0));
  }

  // The cells show what the delivered file covers, each column the range
  // common to its curves: ammonia's liquid column ends with its conductivity
  // and Prandtl number, whose tables stop at 405 K.
  void cellsShowTheRangesTheDeliveredFileCovers_data() {
    QTest::addColumn<int>("fluid");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    const auto liquid = static_cast<int>(RangeColumn::kLiquid);
    const auto tsat = static_cast<int>(RangeColumn::kTsat);
    const auto psat = static_cast<int>(RangeColumn::kPsat);
    QTest::newRow("water liquid") << 1 << liquid << "273.15 - 590K";
    QTest::newRow("ammonia liquid") << 2 << liquid << "196 - 405K";
    QTest::newRow("nitrogen Psat") << 3 << psat << "14600 - 3.3475x106Pa";
    QTest::newRow("R-134a Tsat") << 6 << tsat << "175 - 374.21K";
  }

  void cellsShowTheRangesTheDeliveredFileCovers() {
    QFETCH(int, fluid);
    QFETCH(int, column);
    QFETCH(QString, text);
    FrmLiquid window;
    QStringList lines;
    for (const RichLine& line : window.Image1->CellLines(fluid, static_cast<RangeColumn>(column))) {
      lines << Joined(line);
    }
    // A range written on two lines breaks after its dash.
    QCOMPARE(lines.join(' '), text);
  }

  void boundsAreWrittenAsTheTableWritesThem_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("digits");
    QTest::addColumn<int>("power");
    QTest::newRow("temperature") << double(273.15f) << "273.15" << 0;
    QTest::newRow("whole kelvins") << 580.0 << "580" << 0;
    QTest::newRow("one decimal") << double(77.4f) << "77.4" << 0;
    QTest::newRow("five significant digits") << 611.654771 << "611.65" << 0;
    QTest::newRow("below 100000") << 42980.0 << "42980" << 0;
    QTest::newRow("mantissa") << 6.12e6 << "6.12" << 6;
    QTest::newRow("four decimals") << 2.2256e6 << "2.2256" << 6;
    QTest::newRow("from 100000") << 101300.0 << "1.013" << 5;
    QTest::newRow("rounds up to 100000") << 99999.7 << "1" << 5;
  }

  void boundsAreWrittenAsTheTableWritesThem() {
    QFETCH(double, value);
    QFETCH(QString, digits);
    QFETCH(int, power);
    const RangeNumber number = RangeNumberText(value);
    QCOMPARE(QString::fromStdString(number.digits), digits);
    QCOMPARE(number.powerOfTen, power);
  }

  void pressureCellsRaiseTheirExponentsAndEndInPascals() {
    FrmLiquid window;
    for (int fluid = 1; fluid <= 6; ++fluid) {
      const std::vector<RichLine> lines = window.Image1->CellLines(fluid, RangeColumn::kPsat);
      QVERIFY(lines.size() == 1 || lines.size() == 2);
      QVERIFY(Joined(lines.back()).endsWith("Pa"));
      bool raised = false;
      for (const RichLine& line : lines) {
        for (const TextRun& run : line) raised |= run.position == TextRun::Position::kSuperscript;
      }
      // Every fluid's saturation curve reaches pressures of 100000 Pa and more.
      QVERIFY2(raised, qPrintable(QString("fluid %1").arg(fluid)));
      for (const RangeColumn column :
           {RangeColumn::kLiquid, RangeColumn::kVapor, RangeColumn::kTsat, RangeColumn::kSigma}) {
        QVERIFY(Joined(window.Image1->CellLines(fluid, column).back()).endsWith("K"));
      }
    }
  }
};

QTEST_MAIN(FluidWindowTest)
#include "fluid_window_test.moc"
