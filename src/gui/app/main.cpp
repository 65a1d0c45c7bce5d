// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QMessageBox>
#include <iostream>

#include "core/state/startup.h"
#include "gui/app/dorix_window.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("DORIX"));
  // Lets the desktop match the windows to the installed menu entry and icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.dorix.Dorix"));

  const std::string failure = dorix::StartUp();
  if (!failure.empty()) {
    // Without its property data no calculation can run: say why and stop.
    std::cerr << "dorix: " << failure << '\n';
    QMessageBox::critical(nullptr, QStringLiteral("DORIX"), QString::fromStdString(failure));
    return 1;
  }

  dorix::DorixWindow menu;
  menu.show();
  return QApplication::exec();
}
