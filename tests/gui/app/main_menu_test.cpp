// SPDX-License-Identifier: MIT
#include <QPointer>

#include "../ui_test_support.h"
#include "gui/app/dorix_window.h"

using namespace dorix;

namespace {

QWidget* FindWindow(const QString& name) {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->objectName() == name) return window;
  }
  return nullptr;
}

// The problem windows on screen, by name.
QStringList VisibleWindows() {
  QStringList names;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->objectName().startsWith("frm") && window->isVisible())
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
    QVERIFY(FindWindow("frmCVW") == nullptr && FindWindow("frmHT") == nullptr);
    QTest::mouseClick(menu.cmdDorix[index], Qt::LeftButton);
    QVERIFY(FindWindow("frmCVW") != nullptr && FindWindow("frmHT") != nullptr);
    QCOMPARE(FindWindow("frmEVW") != nullptr, shown == "frmEVW");
    QCOMPARE(VisibleWindows(), QStringList{shown});
  }

  void theEvaporationWindowIsNeverHiddenByTheMenu() {
    DorixWindow menu(&messages);
    menu.show();
    QTest::mouseClick(menu.cmdDorix[2], Qt::LeftButton);
    QTest::mouseClick(menu.cmdDorix[0], Qt::LeftButton);
    QCOMPARE(VisibleWindows(), (QStringList{"frmCVW", "frmEVW"}));
    QTest::mouseClick(menu.cmdDorix[1], Qt::LeftButton);
    QCOMPARE(VisibleWindows(), (QStringList{"frmEVW", "frmHT"}));
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
