// SPDX-License-Identifier: MIT
#include "gui/ui/qt_message_box.h"

#include <QMessageBox>
#include <QString>

namespace dorix {

void QtMessageBox::ShowMessage(const std::string& text) {
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Message"), QString::fromStdString(text),
                  QMessageBox::Ok, parent_);
  box.exec();
}

}  // namespace dorix
