// SPDX-License-Identifier: MIT
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "gui/widgets/qt_message_box.h"

using namespace dorix;

// The one suite that opens the real box the windows show their messages in:
// the others put a recorder in its place.
class MessageBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void isTitledMessageWithTheTextAndOneOkButtonWithoutIcons() {
    QWidget owner;
    QtMessageBox messages(&owner);
    QString title;
    QString text;
    QList<QAbstractButton*> buttons;
    bool iconless = false;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      QVERIFY(box != nullptr);
      title = box->windowTitle();
      text = box->text();
      buttons = box->buttons();
      iconless = box->icon() == QMessageBox::NoIcon && box->iconPixmap().isNull() &&
                 buttons.size() == 1 && buttons.front()->icon().isNull();
      box->accept();
    });
    messages.ShowMessage("*** ERROR: Length must be greater than zero.");
    QCOMPARE(title, QString("Message"));
    QCOMPARE(text, QString("*** ERROR: Length must be greater than zero."));
    QCOMPARE(buttons.size(), 1);
    QVERIFY(iconless);
  }
};

QTEST_MAIN(MessageBoxTest)
#include "message_box_test.moc"
