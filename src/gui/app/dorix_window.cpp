// SPDX-License-Identifier: MIT
#include "gui/app/dorix_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPushButton>

#include "gui/ui/frm_cvw.h"
#include "gui/ui/frm_evw.h"
#include "gui/ui/frm_ht.h"
#include "gui/widgets/twips.h"

namespace dorix {

namespace {

struct MenuButton {
  const char* caption;
  QRect geometry;
};

constexpr std::array<MenuButton, 3> kProblemButtons = {{
    {"FILM CONDENSATION ON A VERTICAL WALL", TwipsRect(600, 240, 4335, 735)},
    {"FILM CONDENSATION ON HORIZONTAL TUBES", TwipsRect(600, 1200, 4335, 735)},
    {"FILM EVAPORATION ON A VERTICAL WALL", TwipsRect(600, 2160, 4335, 735)},
}};

}  // namespace

DorixWindow::DorixWindow(MessageSink* messages, QWidget* parent)
    : QWidget(parent), windows_(messages) {
  setWindowTitle(QStringLiteral("DORIX"));
  setFixedSize(Twips(5475), Twips(4320));

  for (std::size_t i = 0; i < cmdDorix.size(); ++i) {
    auto* button = new QPushButton(QString::fromLatin1(kProblemButtons[i].caption), this);
    button->setObjectName(QStringLiteral("cmdDorix%1").arg(i));
    button->setGeometry(kProblemButtons[i].geometry);
    button->setAutoDefault(true);
    const int index = static_cast<int>(i);
    connect(button, &QPushButton::clicked, this, [this, index] { cmdDorix_Click(index); });
    cmdDorix[i] = button;
  }
  Command1 = new QPushButton(QStringLiteral("E X I T"), this);
  Command1->setObjectName(QStringLiteral("Command1"));
  Command1->setGeometry(TwipsRect(3120, 3120, 1815, 735));
  Command1->setAutoDefault(true);
  connect(Command1, &QPushButton::clicked, this, &DorixWindow::Command1_Click);

  setTabOrder(cmdDorix[0], cmdDorix[1]);
  setTabOrder(cmdDorix[1], cmdDorix[2]);
  setTabOrder(cmdDorix[2], Command1);
}

void DorixWindow::cmdDorix_Click(int index) {
  if (index < 0 || index >= static_cast<int>(cmdDorix.size())) return;
  // At most one condensation window is open after a click; an open
  // evaporation window stays open beside it.
  windows_.frmCVW().hide();
  windows_.frmHT().hide();
  QWidget* chosen = nullptr;
  if (index == 0) chosen = &windows_.frmCVW();
  if (index == 1) chosen = &windows_.frmHT();
  if (index == 2) chosen = &windows_.frmEVW();
  chosen->show();
  chosen->raise();
  chosen->activateWindow();
}

void DorixWindow::Command1_Click() {
  QApplication::exit(0);
}

void DorixWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  QApplication::exit(0);
}

}  // namespace dorix
