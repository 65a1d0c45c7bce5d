// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPointF>
#include <QString>
#include <vector>

class QFont;
class QPainter;

namespace dorix {

// A piece of picture text: formulas need raised exponents, subscript digits
// and coloured letters inside one line.
struct TextRun {
  enum class Position { kBaseline, kSuperscript, kSubscript };

  QString text;
  Position position = Position::kBaseline;
  QColor color = Qt::black;
};

using RichLine = std::vector<TextRun>;

// Convenience constructors for the runs of a line.
TextRun Plain(const QString& text, QColor color = Qt::black);
TextRun Raised(const QString& text, QColor color = Qt::black);
TextRun Lowered(const QString& text, QColor color = Qt::black);

// Width of the line drawn in `font` (a pixel-sized font).
qreal RichLineWidth(const RichLine& line, const QFont& font);

// Draws the line with its left end at origin.x() and its baseline at origin.y().
void DrawRichLine(QPainter& painter, QPointF origin, const RichLine& line, const QFont& font);

}  // namespace dorix
