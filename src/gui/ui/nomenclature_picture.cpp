// SPDX-License-Identifier: MIT
#include "gui/ui/nomenclature_picture.h"

#include <QPainter>
#include <array>

#include "gui/widgets/rich_line.h"

namespace dorix {

namespace {

const QColor kCoefficient = Qt::red;

struct Correlation {
  QString title;
  RichLine formula;
};

std::array<Correlation, NomenclaturePicture::kCorrelationCount> Correlations() {
  const QString dot = QStringLiteral("\u00B7");
  return {{
      {QStringLiteral("Laminar to Wavy-Laminar Transition Re"),
       {Plain("Re(wl) = "), Plain("C", kCoefficient), Plain(dot + "Pr"),
        Raised("v", kCoefficient)}},
      {QStringLiteral("Wavy-Laminar to Turbulent Transition Re"),
       {Plain("Re(tur) = "), Plain("D", kCoefficient), Plain(dot + "Pr"),
        Raised("w", kCoefficient)}},
      {QStringLiteral("Laminar flow Nu"),
       {Plain("Nu(lam) = (3/4 Re)"), Raised(QStringLiteral("\u22121/3"))}},
      {QStringLiteral("Wavy-Laminar flow Nu"),
       {Plain("Nu(wl) = "), Plain("A", kCoefficient), Plain(dot + "Re"),
        Raised("n", kCoefficient)}},
      {QStringLiteral("Turbulent flow Nu"),
       {Plain("Nu(tur) = "), Plain("B", kCoefficient), Plain(dot + "Re"), Raised("m", kCoefficient),
        Plain(dot + "Pr"), Raised("s", kCoefficient)}},
  }};
}

QFont PictureFont(int pixels, bool bold, bool italic = false) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixels);
  font.setBold(bold);
  font.setItalic(italic);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

}  // namespace

NomenclaturePicture::NomenclaturePicture(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Picture1"));
  setFixedSize(kWidth, kHeight);
}

void NomenclaturePicture::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.scale(width() / static_cast<qreal>(kWidth), height() / static_cast<qreal>(kHeight));
  painter.fillRect(QRectF(0, 0, kWidth, kHeight), Qt::white);
  painter.setPen(QPen(Qt::gray, 1.0));
  painter.drawRect(QRectF(0.5, 0.5, kWidth - 1.0, kHeight - 1.0));

  const QFont heading = PictureFont(14, true);
  const RichLine title = {Plain(QStringLiteral("NOMENCLATURE"))};
  DrawRichLine(painter, QPointF((kWidth - RichLineWidth(title, heading)) / 2.0, 23.0), title,
               heading);

  const QFont titleFont = PictureFont(11, false, true);
  const QFont formulaFont = PictureFont(13, false);
  qreal top = kHeadingHeight;
  for (const Correlation& correlation : Correlations()) {
    DrawRichLine(painter, QPointF(10.0, top + 14.0), {Plain(correlation.title, Qt::darkBlue)},
                 titleFont);
    DrawRichLine(painter, QPointF(30.0, top + 34.0), correlation.formula, formulaFont);
    top += kBandHeight;
  }
}

}  // namespace dorix
