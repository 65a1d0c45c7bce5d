// SPDX-License-Identifier: MIT
#include "gui/widgets/rich_line.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

namespace dorix {

namespace {

// Scripts are set smaller, raised or lowered by a share of the base font's ascent.
constexpr qreal kScriptScale = 0.7;
constexpr qreal kRaise = 0.42;
constexpr qreal kLower = 0.22;

QFont RunFont(const TextRun& run, const QFont& font) {
  if (run.position == TextRun::Position::kBaseline) return font;
  QFont script = font;
  script.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelSize() * kScriptScale))));
  return script;
}

qreal BaselineShift(const TextRun& run, const QFont& font) {
  const qreal ascent = QFontMetricsF(font).ascent();
  switch (run.position) {
    case TextRun::Position::kSuperscript:
      return -kRaise * ascent;
    case TextRun::Position::kSubscript:
      return kLower * ascent;
    case TextRun::Position::kBaseline:
      break;
  }
  return 0.0;
}

}  // namespace

TextRun Plain(const QString& text, QColor color) {
  return {text, TextRun::Position::kBaseline, color};
}

TextRun Raised(const QString& text, QColor color) {
  return {text, TextRun::Position::kSuperscript, color};
}

TextRun Lowered(const QString& text, QColor color) {
  return {text, TextRun::Position::kSubscript, color};
}

qreal RichLineWidth(const RichLine& line, const QFont& font) {
  qreal width = 0.0;
  for (const TextRun& run : line) {
    width += QFontMetricsF(RunFont(run, font)).horizontalAdvance(run.text);
  }
  return width;
}

void DrawRichLine(QPainter& painter, QPointF origin, const RichLine& line, const QFont& font) {
  painter.save();
  qreal x = origin.x();
  for (const TextRun& run : line) {
    const QFont runFont = RunFont(run, font);
    painter.setFont(runFont);
    painter.setPen(run.color);
    painter.drawText(QPointF(x, origin.y() + BaselineShift(run, font)), run.text);
    x += QFontMetricsF(runFont).horizontalAdvance(run.text);
  }
  painter.restore();
}

}  // namespace dorix
