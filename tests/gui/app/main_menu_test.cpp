// SPDX-License-Identifier: MIT
#include <QPointer>

#include "../ui_test_support.h"
#include "gui/app/dorix_window.h"

using namespace dorix;

namespace {

// The problem windows made, or only those on screen, by name.
QStringList ProblemWindows(bool visible = true) {
  QStringList names;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->objectName().startsWith("frm") && (window->isVisible() || !visible))
      names << window->objectName();
  }
  names.sort();
  return names;
}

}  // namespace

class MainMenuTest : public testing_support::UiTestCase {
  Q_OBJECT

 private slots:
  void firstClickCreatesBothCondensationWindows_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("shown");
    QTest::newRow("vertical wall") << 0 << "frmCVW";
    QTest::newRow("horizontal tubes") << 1 << "frmHT";
    QTest::newRow("evaporation") << 2 << "frmEVW";
  }

  void firstClickCreatesBothCondensationWindows() {
    QFETCH(int, index);
    QFETCH(QString, shown);
    DorixWindow menu(&messages);
    QCOMPARE(ProblemWindows(false), QStringList());
    QTest::mouseClick(menu.cmdDorix[index], Qt::LeftButton);
    QCOMPARE(ProblemWindows(false), shown == "frmEVW" ? (QStringList{"frmCVW", "frmEVW", "frmHT"})
                                                      : (QStringList{"frmCVW", "frmHT"}));
    QCOMPARE(ProblemWindows(), QStringList{shown});
  }

  void theEvaporationWindowIsNeverHiddenByTheMenu() {
    DorixWindow menu(&messages);
    menu.show();
    QTest::mouseClick(menu.cmdDorix[2], Qt::LeftButton);
    QTest::mouseClick(menu.cmdDorix[0], Qt::LeftButton);
    QCOMPARE(ProblemWindows(), (QStringList{"frmCVW", "frmEVW"}));
    QTest::mouseClick(menu.cmdDorix[1], Qt::LeftButton);
    QCOMPARE(ProblemWindows(), (QStringList{"frmEVW", "frmHT"}));
    QVERIFY(menu.isVisible());
  }

  // Done and the frame's close control only hide a window: shown again from
  // the menu, it keeps its fields, selector and report.
  void doneKeepsFieldsSelectorAndReport() {
    DorixWindow menu(&messages);
    QTest::mouseClick(menu.cmdDorix[0], Qt::LeftButton);
    QPointer<FrmCVW> window = &menu.Windows().frmCVW();
    QVERIFY(testing_support::ShowAndActivate(*window));
    window->txtWallTemp->setText("310");
    QTest::keyClick(window->menTempType, Qt::Key_Down);
    const QString report = testing_support::Calculate(*window);
    QVERIFY(report.startsWith("Output:\r\n        \r\n"));
    const QString vaporTemp = window->txtVaporTemp->text();

    QTest::mouseClick(window->cmdDone, Qt::LeftButton);
    QVERIFY(!window->isVisible());
    QTest::mouseClick(menu.cmdDorix[0], Qt::LeftButton);
    window->close();
    QCoreApplication::processEvents();
    QVERIFY(!window.isNull() && !window->isVisible());
    QTest::mouseClick(menu.cmdDorix[0], Qt::LeftButton);

    QVERIFY(window->isVisible());
    QCOMPARE(window->txtWallTemp->text(), QString("310"));
    QCOMPARE(window->menTempType->currentIndex(), 1);
    QCOMPARE(window->txtVaporTemp->text(), vaporTemp);
    QVERIFY(!window->txtVaporTemp->isEnabled());
    QCOMPARE(window->txtOutput->Text(), report);
    QVERIFY(messages.messages.empty());
  }
};

QTEST_MAIN(MainMenuTest)
#include "main_menu_test.moc"
