// SPDX-License-Identifier: MIT
#include "gui/ui/frm_liquid.h"

#include <QPushButton>
#include <algorithm>

#include "core/state/module1.h"
#include "gui/widgets/twips.h"

namespace dorix {

namespace {

// Each fluid's button lies over its row of the table of ranges.
constexpr std::array<QRect, kTableRows> kFluidButtonGeometry = {{
    TwipsRect(120, 430, 1170, 480),
    TwipsRect(120, 930, 1170, 480),
    TwipsRect(120, 1420, 1170, 460),
    TwipsRect(120, 1900, 1170, 480),
    TwipsRect(120, 2400, 1170, 480),
    TwipsRect(120, 2890, 1170, 460),
}};

// The page button sits in the strip below the table, at its right end.
constexpr QRect kPageButtonGeometry = TwipsRect(6600, 3385, 1695, 285);

const std::array<QString, FrmLiquid::kPageCount> kPageButtonCaptions = {
    QStringLiteral("More fluids \u25B8"), QStringLiteral("\u25C2 Fluids 1\u20136")};

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

  const QPoint pictureAt(Twips(120), Twips(120));
  std::array<QRect, kTableRows> rowLabels;
  for (int i = 0; i < kTableRows; ++i) {
    rowLabels[i] = kFluidButtonGeometry[i].translated(-pictureAt);
  }
  const QFont font = ButtonFont();
  for (int page = 0; page < kPageCount; ++page) {
    auto* pageWidget = new QWidget(this);
    pageWidget->setGeometry(rect());
    pages_[page] = pageWidget;
    // The picture first, so that the buttons lie above it; its rules follow
    // the buttons.
    auto* picture = new RangesPicture(rowLabels, page * kTableRows + 1, pageWidget);
    picture->setObjectName(QStringLiteral("Image%1").arg(page + 1));
    picture->move(pictureAt);
    (page == 0 ? Image1 : Image2) = picture;
    for (int row = 0; row < kTableRows; ++row) {
      const int i = page * kTableRows + row;
      const std::string_view caption = kFluids[i].buttonCaption;
      auto* button = new QPushButton(
          QString::fromLatin1(caption.data(), static_cast<int>(caption.size())), pageWidget);
      button->setObjectName(QStringLiteral("cmdFluid%1").arg(i));
      button->setGeometry(kFluidButtonGeometry[row]);
      button->setFont(font);
      button->setAutoDefault(true);
      connect(button, &QPushButton::clicked, this, [this, i] { cmdFluid_Click(i); });
      cmdFluid[i] = button;
    }
  }
  for (int i = 1; i < kFluidCount; ++i) setTabOrder(cmdFluid[i - 1], cmdFluid[i]);

  // Reached by a click or Alt+M, not by Tab: the tab chain stays the fluids'.
  cmdPage = new QPushButton(this);
  cmdPage->setObjectName(QStringLiteral("cmdPage"));
  cmdPage->setGeometry(kPageButtonGeometry);
  cmdPage->setFocusPolicy(Qt::ClickFocus);
  connect(cmdPage, &QPushButton::clicked, this, &FrmLiquid::cmdPage_Click);
  ShowPage(0);
}

void FrmLiquid::ShowPage(int page) {
  page_ = page;
  for (int p = 0; p < kPageCount; ++p) pages_[p]->setVisible(p == page);
  cmdPage->setText(kPageButtonCaptions[page]);
  cmdPage->setShortcut(QKeySequence(Qt::ALT | Qt::Key_M));
}

void FrmLiquid::showEvent(QShowEvent* event) {
  ShowPage(std::clamp((Module1.FluidNo - 1) / kTableRows, 0, kPageCount - 1));
  QWidget::showEvent(event);
  // The window itself takes the focus, so that no button looks chosen; Tab
  // moves on to the page's first fluid, Shift+Tab to its last.
  setFocus(Qt::OtherFocusReason);
}

void FrmLiquid::cmdFluid_Click(int index) {
  if (index < 0 || index >= kFluidCount) return;
  Module1.FluidNo = index + 1;
  hide();
}

void FrmLiquid::cmdPage_Click() {
  ShowPage(1 - page_);
  setFocus(Qt::OtherFocusReason);
}

}  // namespace dorix
