// SPDX-License-Identifier: MIT
#include <QImage>
#include <QPointer>

#include "../ui_test_support.h"
#include "core/props/property_file.h"
#include "gui/ui/frm_liquid.h"
#include "gui/ui/ranges_picture.h"
#include "gui/widgets/twips.h"

using namespace dorix;
using namespace Qt::StringLiterals;
using testing_support::ShowAndActivate;

namespace {

std::string Curve(const std::string& name, double first, double last) {
  return name + ",2,1\n" + std::to_string(first) + "," + std::to_string(last) + "\n1,2\n";
}

// A line's text, a raised power of ten after a caret.
QString Joined(const RichLine& line) {
  QString text;
  for (const TextRun& run : line) {
    text += (run.position == TextRun::Position::kSuperscript ? "^" : "") + run.text;
  }
  return text;
}

}  // namespace

class FluidWindowTest : public testing_support::UiTestCase {
  Q_OBJECT

 private slots:
  // Each button sets its fluid and hides the window; shown again, no button
  // looks chosen. The frame's close control only hides it too.
  void eachButtonSetsItsFluidAndHides() {
    QPointer<FrmLiquid> window = new FrmLiquid;
    for (int i = 0; i < 6; ++i) {
      QVERIFY(ShowAndActivate(*window));
      QTest::mouseClick(window->cmdFluid[i], Qt::LeftButton);
      QCOMPARE(Module1.FluidNo, i + 1);
      QVERIFY(!window->isVisible());
    }
    QVERIFY(ShowAndActivate(*window));
    for (QPushButton* button : window->cmdFluid) {
      QVERIFY(!button->hasFocus() && !button->isDown() && !button->isChecked());
    }
    QVERIFY(window->close());
    QCoreApplication::processEvents();
    QVERIFY(!window.isNull() && !window->isVisible());
    QCOMPARE(Module1.FluidNo, 6);
    delete window;
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
    QVERIFY(ShowAndActivate(window));
    QCOMPARE(QApplication::focusWidget(), &window);
    for (QPushButton* button : window.cmdFluid) QVERIFY(!button->hasFocus());

    QTest::keyClick(&window, static_cast<Qt::Key>(key));
    QVERIFY(window.cmdFluid[focused]->hasFocus());
    QTest::keyClick(window.cmdFluid[focused], Qt::Key_Return);
    QCOMPARE(Module1.FluidNo, focused + 1);
    QVERIFY(!window.isVisible());

    // Shown again, the window, not the button last used, takes the focus.
    QVERIFY(ShowAndActivate(window));
    QCOMPARE(window.focusWidget(), &window);
  }

  // The buttons are the table's row labels: the table's rules run right
  // beside each button, the header rule above the first, a rule between each
  // two, the bottom rule under the last, and the first column's rule right
  // of them all.
  void buttonsSitOnTheTableRowsAndFirstColumn() {
    FrmLiquid window;
    QVERIFY(ShowAndActivate(window));
    const QImage picture = window.grab().toImage();
    QCOMPARE(picture.size(), window.size());
    const auto rule = [&picture](int x, int y) { return qGray(picture.pixel(x, y)) < 100; };
    const auto clear = [&picture](int x, int y) { return qGray(picture.pixel(x, y)) > 200; };
    for (int i = 0; i < 6; ++i) {
      const QRect button = window.cmdFluid[i]->geometry();
      QVERIFY(window.Image1->geometry().contains(button));
      // In the second column, just right of the first column's rule.
      const int x = button.right() + 3;
      const int y = button.center().y();
      QVERIFY2(rule(x, button.top() - 1) && clear(x, button.top()) && clear(x, button.bottom()) &&
                   rule(x, button.bottom() + 1) && rule(button.right() + 1, y) &&
                   clear(button.right() + 2, y),
               qPrintable(QString("button %1").arg(i)));
    }
  }

  // The page button turns to today's refrigerants and back; a fluid of the
  // second page is chosen like the first six, and the window opens again on
  // the page of the fluid in use, its table reading the same file.
  void theSecondPageHoldsTodaysRefrigerants() {
    Module1.FluidNo = 1;
    FrmLiquid window;
    QVERIFY(ShowAndActivate(window));
    QVERIFY(!window.cmdFluid[6]->isVisible());
    QTest::mouseClick(window.cmdPage, Qt::LeftButton);
    QVERIFY(window.cmdFluid[11]->isVisible() && !window.cmdFluid[0]->isVisible());
    QCOMPARE(window.cmdFluid[11]->geometry(), window.cmdFluid[5]->geometry());
    QCOMPARE(Joined(window.Image2->CellLines(12, RangeColumn::kLiquid).front()),
             QString("216.59 -"));
    QTest::keyClick(&window, Qt::Key_Tab);
    QVERIFY(window.cmdFluid[6]->hasFocus());
    QTest::mouseClick(window.cmdFluid[11], Qt::LeftButton);
    QCOMPARE(Module1.FluidNo, 12);
    QVERIFY(!window.isVisible());
    QVERIFY(ShowAndActivate(window));
    QCOMPARE(window.CurrentPage(), 1);
    QTest::mouseClick(window.cmdPage, Qt::LeftButton);
    QCOMPARE(window.CurrentPage(), 0);
  }

  // A store whose curves each cover their own range, so that every column
  // shows which curves it was read from.
  void columnsShowTheRangesTheirCurvesCover() {
    PropertyStore store;
    const LoadResult loaded = ParsePropertyText(
        Curve("watrol", 270, 600) + Curve("watmul", 273.15, 590) + Curve("watkl", 260, 580) +
            Curve("watprl", 250, 700) + Curve("watmuv", 280, 2000) + Curve("watkv", 273.15, 1900) +
            Curve("watcpv", 300, 2100) + Curve("watpsat", 272, 560) +
            Curve("wattsat", 610, 6.25e6) + Curve("watsig", 268.15, 647.096) +
            Curve("hgmuv", 650, 2000) + Curve("hgkv", 600, 1800),
        "ranges.dat", store);
    QVERIFY(loaded.ok);

    const auto range = [&store](int fluid, RangeColumn column) {
      const auto covered = CoveredRange(store, fluid, column);
      return covered ? std::make_pair(covered->low, covered->high) : std::make_pair(-1.0, -1.0);
    };
    // Liquid and vapour: the range every curve of the group covers.
    QCOMPARE(range(1, RangeColumn::kLiquid), std::make_pair(273.15f * 1.0, 580.0));
    QCOMPARE(range(1, RangeColumn::kVapor), std::make_pair(300.0, 1900.0));
    QCOMPARE(range(1, RangeColumn::kSigma), std::make_pair(268.15f * 1.0, 647.096f * 1.0));
    // Mercury's vapour specific heat is a constant: the other two vapour curves decide.
    QCOMPARE(range(4, RangeColumn::kVapor), std::make_pair(650.0, 1800.0));
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
    QTest::newRow("nitrogen Psat") << 3 << psat << "14600 - 3.3475x10^6Pa";
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
    QTest::newRow("five significant digits") << 611.654771 << u"611.65"_s << 0;
    QTest::newRow("mantissa") << 6.12e6 << u"6.12"_s << 6;
    QTest::newRow("from 100000") << 101300.0 << u"1.013"_s << 5;
    QTest::newRow("rounds up to 100000") << 99999.7 << u"1"_s << 5;
  }

  void boundsAreWrittenAsTheTableWritesThem() {
    QFETCH(double, value);
    QFETCH(QString, digits);
    QFETCH(int, power);
    const RangeNumber number = RangeNumberText(value);
    QCOMPARE(number.digits, digits);
    QCOMPARE(number.powerOfTen, power);
  }
};

QTEST_MAIN(FluidWindowTest)
#include "fluid_window_test.moc"
