// SPDX-License-Identifier: MIT
#include "gui/ui/frm_liquid.h"

#include <QPushButton>

#include "core/state/module1.h"
#include "gui/ui/ranges_picture.h"
#include "gui/ui/twips.h"

namespace dorix {

namespace {

// Each fluid's button lies over its row of the table of ranges.
constexpr std::array<QRect, kFluidCount> kFluidButtonGeometry = {{
    TwipsRect(120, 430, 1170, 480),
    TwipsRect(120, 930, 1170, 480),
    TwipsRect(120, 1420, 1170, 460),
    TwipsRect(120, 1900, 1170, 480),
    TwipsRect(120, 2400, 1170, 480),
    TwipsRect(120, 2890, 1170, 460),
}};

// "MS Sans Serif" bold 8.25 pt where it is installed, the closest sans-serif
// face elsewhere.
QFont ButtonFont() {
  QFont font;
  font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                    QStringLiteral("DejaVu Sans")});
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(8.25);
  font.setBold(true);
  return font;
}

}  // namespace

FrmLiquid::FrmLiquid(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("frmLiquid"));
  setWindowTitle(QStringLiteral("P L E A S E   S E L E C T   A   L I Q U I D"));
  setFixedSize(Twips(8415), Twips(3690));

  // The picture first, so that the buttons lie above it; its rules follow
  // the buttons.
  const QPoint pictureAt(Twips(120), Twips(120));
  std::array<QRect, kFluidCount> rowLabels;
  for (int i = 0; i < kFluidCount; ++i) {
    rowLabels[i] = kFluidButtonGeometry[i].translated(-pictureAt);
  }
  Image1 = new RangesPicture(rowLabels, this);
  Image1->move(pictureAt);

  const QFont font = ButtonFont();
  for (int i = 0; i < kFluidCount; ++i) {
    auto* button = new QPushButton(
        QString::fromLatin1(kFluids[i].buttonCaption.data(), kFluids[i].buttonCaption.size()),
        this);
    button->setObjectName(QStringLiteral("cmdFluid%1").arg(i));
    button->setGeometry(kFluidButtonGeometry[i]);
    button->setFont(font);
    button->setAutoDefault(true);
    connect(button, &QPushButton::clicked, this, [this, i] { cmdFluid_Click(i); });
    cmdFluid[i] = button;
  }
  for (int i = 1; i < kFluidCount; ++i) setTabOrder(cmdFluid[i - 1], cmdFluid[i]);
}

void FrmLiquid::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // The window itself takes the focus, so that no button looks chosen; Tab
  // moves on to the first fluid, Shift+Tab to the last.
  setFocus(Qt::OtherFocusReason);
}

void FrmLiquid::cmdFluid_Click(int index) {
  if (index < 0 || index >= kFluidCount) return;
  Module1.FluidNo = index + 1;
  hide();
}

}  // namespace dorix
