// SPDX-License-Identifier: MIT
#include "gui/ui/ranges_picture.h"

#include <QPainter>
#include <algorithm>
#include <charconv>
#include <span>
#include <string>
#include <string_view>

#include "core/props/property_curve.h"
#include "core/state/module1.h"

namespace dorix {

namespace {

constexpr std::array<int, 4> kLiquidCodes = {kLiquidDensity, kLiquidViscosity, kLiquidConductivity,
                                             kLiquidPrandtl};
constexpr std::array<int, 3> kVaporCodes = {kVaporViscosity, kVaporConductivity,
                                            kVaporSpecificHeat};
// The saturation-pressure curve runs over temperature, the saturation-temperature
// curve over pressure.
constexpr std::array<int, 1> kTsatCodes = {kSaturationPressure};
constexpr std::array<int, 1> kPsatCodes = {kSaturationTemperature};
constexpr std::array<int, 1> kSigmaCodes = {kSurfaceTension};

std::span<const int> ColumnCodes(RangeColumn column) {
  switch (column) {
    case RangeColumn::kLiquid:
      return kLiquidCodes;
    case RangeColumn::kVapor:
      return kVaporCodes;
    case RangeColumn::kTsat:
      return kTsatCodes;
    case RangeColumn::kPsat:
      return kPsatCodes;
    case RangeColumn::kSigma:
      break;
  }
  return kSigmaCodes;
}

// Unit written after a column's upper bound.
QString RangeUnit(RangeColumn column) {
  return column == RangeColumn::kPsat ? QStringLiteral("Pa") : QStringLiteral("K");
}

// Removes trailing zeros of a fraction, and its point when nothing follows.
QString TrimFraction(std::string_view digits) {
  std::string text(digits);
  if (text.find('.') == std::string::npos) return QString::fromStdString(text);
  text.erase(text.find_last_not_of('0') + 1);
  if (text.back() == '.') text.pop_back();
  return QString::fromStdString(text);
}

constexpr int kSignificantDigits = 5;
constexpr int kFirstPowerWritten = 5;

// Design grid in pixels at 96 dpi. A rule is one pixel wide, drawn along
// the middle of a row or column of pixels.
constexpr qreal kWidth = 541.0;
constexpr qreal kHeight = 220.0;
constexpr qreal kOuterRule = 0.5;
// The columns right of the first; the first ends where the buttons do.
constexpr std::array<qreal, kRangeColumnCount> kRangeColumnRules = {165.5, 258.5, 352.5, 452.5,
                                                                    540.5};
constexpr qreal kCellPadding = 4.0;
constexpr int kHeaderPixels = 12;
constexpr int kCellPixels = 10;

QFont PictureFont(int pixels, bool bold) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixels);
  font.setBold(bold);
  // Unhinted glyphs keep their proportions at every scale.
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

RichLine HeaderText(int column) {
  static const std::array<QString, kRangeColumnCount> kHeaders = {
      QStringLiteral("Liquid"), QStringLiteral("Vapor"), QStringLiteral("Tsat"),
      QStringLiteral("Psat"), QStringLiteral("\u03C3")};
  return {Plain(kHeaders[column])};
}

// "1. H2O" with subscript digits in the formulas; the refrigerants by their
// numbers.
RichLine FluidLabel(int fluid) {
  const QString number = QStringLiteral("%1. ").arg(fluid);
  switch (fluid) {
    case kWater:
      return {Plain(number + "H"), Lowered("2"), Plain("O")};
    case kAmmonia:
      return {Plain(number + "NH"), Lowered("3")};
    case kNitrogen:
      return {Plain(number + "N"), Lowered("2")};
    case kCarbonDioxide:
      return {Plain(number + "CO"), Lowered("2")};
    default:
      // As the button over it names the fluid, so that no wider text shows beside it.
      const std::string_view caption = FindFluid(fluid)->buttonCaption;
      const std::string_view name = caption.substr(caption.find(' ') + 1);
      return {Plain(number + QString::fromLatin1(name.data(), static_cast<int>(name.size())))};
  }
}

void AppendNumber(RichLine& line, double value) {
  const RangeNumber number = RangeNumberText(value);
  if (number.powerOfTen == 0) {
    line.push_back(Plain(number.digits));
    return;
  }
  line.push_back(Plain(number.digits + "x10"));
  line.push_back(Raised(QString::number(number.powerOfTen)));
}

std::vector<RichLine> RangeLines(const std::optional<ValueRange>& range, RangeColumn column,
                                 qreal cellWidth) {
  if (!range) return {{Plain(QStringLiteral("\u2013"))}};
  RichLine low;
  AppendNumber(low, range->low);
  RichLine high;
  AppendNumber(high, range->high);
  high.push_back(Plain(RangeUnit(column)));

  RichLine single = low;
  single.push_back(Plain(QStringLiteral(" - ")));
  single.insert(single.end(), high.begin(), high.end());
  if (RichLineWidth(single, PictureFont(kCellPixels, false)) <= cellWidth - 2 * kCellPadding) {
    return {single};
  }
  low.push_back(Plain(QStringLiteral(" -")));
  return {low, high};
}

// Draws lines centred in a rectangle of the design grid.
void DrawCentred(QPainter& painter, const QRectF& cell, const std::vector<RichLine>& lines,
                 const QFont& font) {
  const qreal lineHeight = QFontMetricsF(font).height();
  const qreal ascent = QFontMetricsF(font).ascent();
  qreal top = cell.center().y() - lineHeight * static_cast<qreal>(lines.size()) / 2.0;
  for (const RichLine& line : lines) {
    const qreal left = cell.center().x() - RichLineWidth(line, font) / 2.0;
    DrawRichLine(painter, QPointF(left, top + ascent), line, font);
    top += lineHeight;
  }
}

}  // namespace

std::optional<ValueRange> CoveredRange(const PropertyStore& store, int fluid, RangeColumn column) {
  std::optional<ValueRange> common;
  for (const int code : ColumnCodes(column)) {
    const int slot = store.FindCurve(CurveName(fluid, code));
    const int count = slot == 0 ? 0 : store.PropCount[slot];
    if (count < 1) continue;  // mercury's cpv is a constant, not a curve
    const auto& abscissae = store.PropData[slot][1];
    const ValueRange curve{abscissae[1], abscissae[count]};
    if (!common) {
      common = curve;
    } else {
      common->low = std::max(common->low, curve.low);
      common->high = std::min(common->high, curve.high);
    }
  }
  if (common && common->low > common->high) return std::nullopt;
  return common;
}

RangeNumber RangeNumberText(double value) {
  // Scientific form first: it tells the power of ten after rounding.
  std::array<char, 64> buffer{};
  const auto scientific = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                        std::chars_format::scientific, kSignificantDigits - 1);
  const std::string_view text(buffer.data(), scientific.ptr - buffer.data());
  const std::size_t e = text.find('e');
  int power = 0;
  std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0), text.data() + text.size(),
                  power);
  if (power >= kFirstPowerWritten) return {TrimFraction(text.substr(0, e)), power};

  const auto plain = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::general, kSignificantDigits);
  return {TrimFraction(std::string_view(buffer.data(), plain.ptr - buffer.data())), 0};
}

RangesPicture::RangesPicture(const std::array<QRect, kTableRows>& rowLabels, int firstFluid,
                             QWidget* parent)
    : QWidget(parent), firstFluid_(firstFluid) {
  setObjectName(QStringLiteral("Image1"));
  setFixedSize(static_cast<int>(kWidth), static_cast<int>(kHeight));

  // Each rule on the row or column of pixels next to the buttons, or in the
  // middle of the gap between two.
  rowRules_.front() = kOuterRule;
  rowRules_[1] = rowLabels.front().top() - 0.5;
  for (int i = 1; i < kTableRows; ++i) {
    rowRules_[i + 1] = (rowLabels[i - 1].bottom() + 1 + rowLabels[i].top()) / 2.0;
  }
  rowRules_.back() = rowLabels.back().bottom() + 1.5;
  columnRules_.front() = kOuterRule;
  columnRules_[1] = rowLabels.front().right() + 1.5;
  std::copy(kRangeColumnRules.begin(), kRangeColumnRules.end(), columnRules_.begin() + 2);

  for (int row = 0; row < kTableRows; ++row) {
    for (int c = 0; c < kRangeColumnCount; ++c) {
      const auto column = static_cast<RangeColumn>(c);
      cells_[row][c] = RangeLines(CoveredRange(Module1.Store, firstFluid_ + row, column), column,
                                  columnRules_[c + 2] - columnRules_[c + 1]);
    }
  }
}

QRectF RangesPicture::CellRect(int row, int column) const {
  return QRectF(QPointF(columnRules_[column], rowRules_[row]),
                QPointF(columnRules_[column + 1], rowRules_[row + 1]));
}

std::vector<RichLine> RangesPicture::CellLines(int fluid, RangeColumn column) const {
  return cells_.at(fluid - firstFluid_).at(static_cast<int>(column));
}

void RangesPicture::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.scale(width() / kWidth, height() / kHeight);
  // The table ends at its bottom rule; the picture below it stays clear.
  const qreal top = rowRules_.front();
  const qreal bottom = rowRules_.back();
  const qreal left = columnRules_.front();
  const qreal right = columnRules_.back();
  painter.fillRect(QRectF(QPointF(0, 0), QPointF(right + 0.5, bottom + 0.5)), Qt::white);

  painter.setPen(QPen(Qt::black, 1.0));
  for (const qreal y : rowRules_) painter.drawLine(QPointF(left, y), QPointF(right, y));
  for (const qreal x : columnRules_) painter.drawLine(QPointF(x, top), QPointF(x, bottom));

  const QFont header = PictureFont(kHeaderPixels, true);
  const QFont cell = PictureFont(kCellPixels, false);
  for (int c = 0; c < kRangeColumnCount; ++c) {
    DrawCentred(painter, CellRect(0, c + 1), {HeaderText(c)}, header);
  }
  for (int row = 0; row < kTableRows; ++row) {
    DrawCentred(painter, CellRect(row + 1, 0), {FluidLabel(firstFluid_ + row)}, header);
    for (int c = 0; c < kRangeColumnCount; ++c) {
      DrawCentred(painter, CellRect(row + 1, c + 1), cells_[row][c], cell);
    }
  }
}

}  // namespace dorix
