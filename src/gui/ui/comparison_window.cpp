// SPDX-License-Identifier: MIT
#include "gui/ui/comparison_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/calc/correlation_presets.h"
#include "core/calc/outcome_record.h"
#include "core/text/format_value.h"
#include "gui/widgets/close_button.h"

namespace dorix {

namespace {

using Status = CalculationOutcome::Status;

constexpr int kNameColumn = 0;
constexpr int kSourceColumn = 1;
constexpr int kFirstValueColumn = 2;

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString HeaderOf(std::string_view quantity) {
  if (quantity == kReynoldsNumber) return QStringLiteral("Re");
  if (quantity == kCondensationRate) return QStringLiteral("Condensation rate [kg/m s]");
  if (quantity == kEvaporationRate) return QStringLiteral("Evaporation rate [kg/m s]");
  return QStringLiteral("h [W/m\u00B2K]");
}

QTableWidgetItem* Cell(const QString& text, bool bold = false) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  if (bold) {
    QFont font = item->font();
    font.setBold(true);
    item->setFont(font);
  }
  return item;
}

// A row's notes by their codes, each note's full text on hover.
QTableWidgetItem* NotesCell(const std::vector<ValidityNote>& notes) {
  QStringList codes;
  QStringList texts;
  for (const ValidityNote& note : notes) {
    codes << Text(note.code);
    texts << QString::fromStdString(note.text);
  }
  QTableWidgetItem* item = Cell(codes.join(QStringLiteral(", ")));
  item->setToolTip(texts.join(QStringLiteral("\n\n")));
  return item;
}

QTableWidgetItem* NumberCell(double value) {
  QTableWidgetItem* item = Cell(QString::fromStdString(FormatValue(value)));
  item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return item;
}

}  // namespace

ComparisonWindow::ComparisonWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("frmCompare"));
  auto* root = new QVBoxLayout(this);
  lblSummary = new QLabel(this);
  lblSummary->setObjectName(QStringLiteral("lblSummary"));
  tblCompare = new QTableWidget(this);
  tblCompare->setObjectName(QStringLiteral("tblCompare"));
  tblCompare->verticalHeader()->hide();
  tblCompare->setSelectionMode(QAbstractItemView::NoSelection);
  tblCompare->setFocusPolicy(Qt::NoFocus);
  tblCompare->setWordWrap(true);
  root->addWidget(lblSummary);
  root->addWidget(tblCompare);
  auto* tools = new QHBoxLayout;
  tools->addStretch(1);
  tools->addWidget(cmdClose = NewCloseButton(this));
  root->addLayout(tools);
}

void ComparisonWindow::ShowComparison(const QString& title, const Comparison& comparison) {
  setWindowTitle(title);
  const bool presets = comparison.choice == "preset";
  lblSummary->setText((presets ? QStringLiteral("The same inputs under each preset")
                               : QStringLiteral("The same inputs under each tube-row factor")) +
                      QStringLiteral("; the window's own in bold. max/min: the largest value "
                                     "over the smallest."));

  const int valueCount = static_cast<int>(comparison.quantities.size());
  tblCompare->clear();
  tblCompare->clearSpans();
  const int notesColumn = kFirstValueColumn + valueCount;
  tblCompare->setColumnCount(notesColumn + 1);
  tblCompare->setRowCount(static_cast<int>(comparison.rows.size()) + 1);
  QStringList headers{presets ? QStringLiteral("Preset") : QStringLiteral("Row factor"),
                      QStringLiteral("Source")};
  for (const std::string_view quantity : comparison.quantities) headers << HeaderOf(quantity);
  headers << QStringLiteral("Notes");
  tblCompare->setHorizontalHeaderLabels(headers);

  int row = 0;
  for (const ComparisonRow& entry : comparison.rows) {
    tblCompare->setItem(row, kNameColumn, Cell(Text(PresetTitle(entry.name)), entry.current));
    tblCompare->setItem(row, kSourceColumn, Cell(Text(entry.source), entry.current));
    if (entry.status == Status::kReport) {
      for (int i = 0; i < valueCount; ++i) {
        tblCompare->setItem(row, kFirstValueColumn + i,
                            NumberCell(entry.values[static_cast<std::size_t>(i)]));
      }
    } else {
      // Its message across the value columns, instead of a box per row.
      tblCompare->setItem(row, kFirstValueColumn, Cell(QString::fromStdString(entry.message)));
      tblCompare->setSpan(row, kFirstValueColumn, 1, valueCount);
    }
    tblCompare->setItem(row, notesColumn, NotesCell(entry.notes));
    ++row;
  }
  tblCompare->setItem(row, kNameColumn, Cell(QStringLiteral("max/min"), true));
  tblCompare->setItem(row, kSourceColumn, Cell(QString()));
  for (int i = 0; i < valueCount; ++i) {
    const std::optional<double>& spread = comparison.spread[static_cast<std::size_t>(i)];
    tblCompare->setItem(row, kFirstValueColumn + i,
                        spread ? NumberCell(*spread) : Cell(QStringLiteral("-")));
  }
  tblCompare->setItem(row, notesColumn, Cell(QString()));
  show();
  // Sized once shown, when fonts and headers have their final measures.
  tblCompare->resizeColumnsToContents();
  tblCompare->resizeRowsToContents();
  // Every row as high as the highest, a message wrapped over two lines or not.
  int rowHeight = 0;
  for (int i = 0; i < tblCompare->rowCount(); ++i) {
    rowHeight = std::max(rowHeight, tblCompare->rowHeight(i));
  }
  for (int i = 0; i < tblCompare->rowCount(); ++i) tblCompare->setRowHeight(i, rowHeight);
  // The whole table in view, and no empty space below its rows.
  const int frame = 2 * tblCompare->frameWidth();
  int width = frame;
  for (int column = 0; column < tblCompare->columnCount(); ++column) {
    width += tblCompare->columnWidth(column);
  }
  int height = frame + tblCompare->horizontalHeader()->sizeHint().height();
  for (int i = 0; i < tblCompare->rowCount(); ++i) height += tblCompare->rowHeight(i);
  tblCompare->setFixedSize(width, height);
  adjustSize();
  raise();
  activateWindow();
}

}  // namespace dorix
