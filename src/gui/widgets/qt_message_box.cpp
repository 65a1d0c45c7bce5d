// SPDX-License-Identifier: MIT
#include "gui/widgets/qt_message_box.h"

#include <QAbstractButton>
#include <QIcon>
#include <QMessageBox>
#include <QString>

namespace dorix {

void QtMessageBox::ShowMessage(const std::string& text) {
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Message"), QString::fromStdString(text),
                  QMessageBox::Ok, parent_);
  // Some styles put an icon on OK; the box has none, not even there.
  box.button(QMessageBox::Ok)->setIcon(QIcon());
  box.exec();
}

}  // namespace dorix
