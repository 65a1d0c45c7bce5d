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
    // Read while the box is open, then checked once it has closed.
    QStringList seen;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      QVERIFY(box != nullptr);
      const QList<QAbstractButton*> buttons = box->buttons();
      seen << box->windowTitle() << box->text() << QString::number(buttons.size());
      if (!buttons.isEmpty() && box->icon() == QMessageBox::NoIcon && box->iconPixmap().isNull() &&
          buttons.front()->icon().isNull())
        seen << "no icons";
      box->accept();
    });
    messages.ShowMessage("*** ERROR: Length must be greater than zero.");
    QCOMPARE(seen, (QStringList{"Message", "*** ERROR: Length must be greater than zero.", "1",
                                "no icons"}));
  }
};

QTEST_MAIN(MessageBoxTest)
#include "message_box_test.moc"
