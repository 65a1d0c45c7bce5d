#include "app/frm_liquid.h"

#include <QPushButton>

#include "app/module1.h"
#include "app/ranges_picture.h"
#include "app/twips.h"

namespace dorix {

namespace {

struct FluidButton {
  const char* caption;
  QRect geometry;
};

constexpr std::array<FluidButton, kFluidCount> kFluidButtons = {{
    {"1) H2O", TwipsRect(120, 430, 1170, 480)},
    {"2) NH3 ", TwipsRect(120, 930, 1170, 480)},
    {"3) N2   ", TwipsRect(120, 1420, 1170, 460)},
    {"4) Hg   ", TwipsRect(120, 1900, 1170, 480)},
    {"5) R-22", TwipsRect(120, 2400, 1170, 480)},
    {"6) R-134a", TwipsRect(120, 2890, 1170, 460)},
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

  // The picture first, so that the buttons lie above it.
  Image1 = new RangesPicture(this);
  Image1->move(Twips(120), Twips(120));

  const QFont font = ButtonFont();
  for (int i = 0; i < kFluidCount; ++i) {
    auto* button = new QPushButton(QString::fromLatin1(kFluidButtons[i].caption), this);
    button->setObjectName(QStringLiteral("cmdFluid%1").arg(i));
    button->setGeometry(kFluidButtons[i].geometry);
    button->setFont(font);
    button->setAutoDefault(true);
    connect(button, &QPushButton::clicked, this, [this, i] { cmdFluid_Click(i); });
    cmdFluid[i] = button;
  }
  for (int i = 1; i < kFluidCount; ++i) setTabOrder(cmdFluid[i - 1], cmdFluid[i]);
}

void FrmLiquid::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  cmdFluid[0]->setFocus();
}

void FrmLiquid::cmdFluid_Click(int index) {
  if (index < 0 || index >= kFluidCount) return;
  Module1.FluidNo = index + 1;
  hide();
}

}  // namespace dorix
