// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractTableModel>
#include <optional>
#include <vector>

#include "core/sweep/study.h"

namespace dorix {

// Every point of a study, fluid after fluid, with the cells of its CSV row:
// the fluid where there are several, the swept field, the results, dry-out
// and message, then the fields that stay as they are. A refused point shows
// its message in place of its results, a film that dries out says so there,
// and the view spans that text over the cells it stands for.
class StudyTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  // A cell as the CSV export writes it, unquoted, and a column's CSV name;
  // the window shows numbers to six digits and titles with units.
  static constexpr int kCsvTextRole = Qt::UserRole;

  explicit StudyTableModel(QObject* parent = nullptr);

  // Shows a study, or none; the study must outlive its showing.
  void SetStudy(const Study* study);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // The first result's column, and how many columns the row's text there
  // spans: the rest of the row for a refused point, the results for a film
  // that dries out, itself otherwise.
  int FirstResultColumn() const;
  // The rows and columns these cells lie in, as tab-separated text: the
  // titles, then each row's cells as the CSV has them.
  QString Tsv(const QModelIndexList& cells) const;
  int SpanAt(int row) const;

 private:
  const StudyPoint& PointAt(int row) const;
  int FluidAt(int row) const;

  const Study* study_ = nullptr;
  // The column of the sweep's table shown in each column; none for the fluid.
  std::vector<std::optional<std::size_t>> columns_;
};

}  // namespace dorix
