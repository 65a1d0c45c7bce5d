// SPDX-License-Identifier: MIT
#include "gui/study/study_table_model.h"

#include <QBrush>
#include <QColor>
#include <QStringList>
#include <set>

#include "core/fluids/fluid.h"
#include "gui/study/study_texts.h"

namespace dorix {

namespace {

using Status = CalculationOutcome::Status;

// Enough to read a curve by, without the digits of single-precision
// rounding that the CSV keeps.
constexpr int kShownDigits = 6;

const QColor kRefusedColor(0xf4, 0xd3, 0xd3);
const QColor kDryOutColor(0xfb, 0xec, 0xc0);

QString FromView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

StudyTableModel::StudyTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void StudyTableModel::SetStudy(const Study* study) {
  beginResetModel();
  study_ = study;
  columns_.clear();
  if (study_ != nullptr) {
    const SweepTable& table = study_->table;
    if (study_->curves.size() > 1) columns_.emplace_back();
    columns_.emplace_back(study_->sweptColumn);
    for (std::size_t column = table.FirstResultColumn(); column < table.ColumnCount(); ++column) {
      columns_.emplace_back(column);
    }
    for (std::size_t column = 0; column < table.InputCount(); ++column) {
      if (column != study_->sweptColumn) columns_.emplace_back(column);
    }
  }
  endResetModel();
}

int StudyTableModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid() || study_ == nullptr) return 0;
  return static_cast<int>(study_->RowCount());
}

int StudyTableModel::columnCount(const QModelIndex& parent) const {
  if (parent.isValid()) return 0;
  return static_cast<int>(columns_.size());
}

const StudyPoint& StudyTableModel::PointAt(int row) const {
  const auto count = static_cast<int>(study_->range.count);
  return study_->curves[static_cast<std::size_t>(row / count)]
      .points[static_cast<std::size_t>(row % count)];
}

int StudyTableModel::FluidAt(int row) const {
  return study_->curves[static_cast<std::size_t>(row / static_cast<int>(study_->range.count))]
      .fluid;
}

int StudyTableModel::FirstResultColumn() const {
  return study_->curves.size() > 1 ? 2 : 1;
}

int StudyTableModel::SpanAt(int row) const {
  switch (PointAt(row).row.status) {
    case Status::kRefused:
      return static_cast<int>(study_->table.MessageColumn() + 1 - study_->table.InputCount());
    case Status::kDryOut:
      return static_cast<int>(study_->table.ResultCount());
    case Status::kReport:
      break;
  }
  return 1;
}

QVariant StudyTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || study_ == nullptr) return {};
  const SweepPoint& row = PointAt(index.row()).row;
  const std::optional<std::size_t> column = columns_[static_cast<std::size_t>(index.column())];
  const bool inPlaceOfResults = index.column() == FirstResultColumn() && SpanAt(index.row()) > 1;
  switch (role) {
    case Qt::DisplayRole:
      if (inPlaceOfResults) {
        return row.status == Status::kRefused ? QString::fromStdString(row.message)
                                              : QStringLiteral("The film dries out.");
      }
      if (const std::optional<double> value =
              column ? study_->table.Value(row, *column) : std::nullopt) {
        return QString::number(*value, 'g', kShownDigits);
      }
      [[fallthrough]];
    case kCsvTextRole:
      if (!column) return FromView(FindFluid(FluidAt(index.row()))->name);
      return QString::fromStdString(study_->table.Cell(row, *column));
    case Qt::ToolTipRole:
      return row.status == Status::kRefused ? QString::fromStdString(row.message) : QVariant();
    case Qt::BackgroundRole:
      if (row.status == Status::kRefused) return QBrush(kRefusedColor);
      if (row.status == Status::kDryOut) return QBrush(kDryOutColor);
      return {};
    case Qt::TextAlignmentRole: {
      // Numbers to the right, words to the left.
      const bool words = !column || *column >= study_->table.MessageColumn() || inPlaceOfResults;
      return QVariant::fromValue((words ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    }
    default:
      return {};
  }
}

QString StudyTableModel::Tsv(const QModelIndexList& cells) const {
  std::set<int> rows;
  std::set<int> columns;
  for (const QModelIndex& cell : cells) {
    rows.insert(cell.row());
    columns.insert(cell.column());
  }
  QStringList line;
  for (const int column : columns) {
    line << headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
  }
  QString text = line.join('\t') + '\n';
  for (const int row : rows) {
    line.clear();
    for (const int column : columns) line << data(index(row, column), kCsvTextRole).toString();
    text += line.join('\t') + '\n';
  }
  return text;
}

QVariant StudyTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if ((role != Qt::DisplayRole && role != kCsvTextRole) || study_ == nullptr) return {};
  if (orientation == Qt::Vertical) {
    return section % static_cast<int>(study_->range.count) + 1;
  }
  const std::optional<std::size_t> column = columns_[static_cast<std::size_t>(section)];
  if (role == kCsvTextRole) {
    return column ? FromView(study_->table.ColumnName(*column)) : QStringLiteral("fluid");
  }
  return column ? ColumnTitle(*study_->problem, study_->table.ColumnName(*column))
                : QStringLiteral("Fluid");
}

}  // namespace dorix
