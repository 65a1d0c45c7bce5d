// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <memory>
#include <vector>

#include "core/state/message_sink.h"
#include "core/sweep/study.h"
#include "core/sweep/study_file.h"
#include "gui/charts/file_export.h"
#include "gui/study/study_chart.h"

class QLabel;
class QPushButton;
class QTableView;
class QVBoxLayout;

namespace dorix {

class StudyControls;
class StudyTableModel;

// A parametric study of a calculator window's problem: one field, or the
// wall's difference from saturation, swept over a range, linear or
// logarithmic, for the window's fluid or for all fluids; each chosen result
// against it in a chart of its own, with a readout of the point under the
// mouse; and below, the table of every point as dorix-calc --sweep writes
// it, which copies as tab-separated text. Exports the charts as PNG or SVG
// and the table as CSV; saves and opens its settings as JSON. Each
// calculator window keeps one, shown modeless; Close or Escape only hides it.
class StudyWindow : public QWidget {
  Q_OBJECT

 public:
  // `caption` is the calculator window's; `fileStem` names the files it
  // suggests; messages about the range and files go to `messages`.
  StudyWindow(const Problem& problem, const QString& caption, const QString& fileStem,
              MessageSink& messages, QWidget* parent);
  ~StudyWindow() override;

  StudyControls* controls = nullptr;
  QLabel* lblReadout = nullptr;
  QTableView* tblPoints = nullptr;
  QPushButton* cmdExportPng = nullptr;
  QPushButton* cmdExportSvg = nullptr;
  QPushButton* cmdExportCsv = nullptr;
  QPushButton* cmdClose = nullptr;
  QPushButton* cmdSave = nullptr;
  QPushButton* cmdOpen = nullptr;

  // Takes a calculator window's fields and fluid as the point to vary from,
  // runs the study and brings the window up. The range stays as it was
  // unless the swept field is no longer one to vary.
  void Seed(const ProblemFields& fields, int fluid);
  const ProblemFields& Fields() const { return fields_; }
  int Fluid() const { return fluid_; }

  // The study on show, if any; its charts, one per chosen result; its table.
  const Study* CurrentStudy() const { return study_.get(); }
  const std::vector<StudyChart*>& Charts() const { return charts_; }
  StudyTableModel* TableModel() const { return model_; }

  void SetSaveFileChooser(SaveFileChooser chooser) { export_.SetChooser(std::move(chooser)); }
  void SetOpenFileChooser(OpenFileChooser chooser) { openFile_ = std::move(chooser); }
  // The readout and crosshairs for the point nearest to a swept value.
  void ShowReadout(double value);

 public slots:
  // Computes the study of the range as typed; false, with a message, when
  // the range is not one.
  bool Run();
  // Each asks for a file name; false when cancelled or not written.
  bool ExportPng();
  bool ExportSvg();
  bool ExportCsv();
  // The study's inputs, range and choices to a small JSON file, and back:
  // opening runs the study the file holds.
  bool SaveStudy();
  bool OpenStudy();

 protected:
  // Enter anywhere in the window runs the study.
  void keyPressEvent(QKeyEvent* event) override;
  // Copy in the table copies the selected cells, not only the current one.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  StudySettings Settings() const;
  void Apply(const StudySettings& settings);
  void ShowTable();
  // The selected cells to the clipboard as tab-separated text with headers.
  void CopySelection();
  void Redraw();
  void PlaceCharts(std::size_t count);
  // How the charts of the current study scale their axes.
  StudyScales Scales() const;

  ProblemFields fields_;
  int fluid_ = 1;
  std::unique_ptr<Study> study_;
  MessageSink& messages_;
  FileExport export_;
  OpenFileChooser openFile_ = OpenFileDialog();
  QString fileStem_;
  StudyTableModel* model_ = nullptr;
  QWidget* chartPane_ = nullptr;
  QVBoxLayout* chartLayout_ = nullptr;
  std::vector<StudyChart*> charts_;
  std::vector<QWidget*> chartViews_;
};

}  // namespace dorix
