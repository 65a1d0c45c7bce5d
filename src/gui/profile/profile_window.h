// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <vector>

#include "core/calc/profile.h"
#include "core/state/message_sink.h"
#include "gui/charts/file_export.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace dorix {

class TubeChart;
class WallChart;

// The profile of a calculator window's current inputs: the film along the
// wall, or the row tube by tube, with a readout of the point under the mouse,
// a logarithmic Re scale on request, and export of the picture as PNG and of
// the numbers as CSV. Each calculator window keeps one, shown modeless and
// refreshed by every press of Plot; closing it only hides it.
class ProfileWindow : public QWidget {
  Q_OBJECT

 public:
  // `fileStem` names the files it suggests ("wall-condensation-profile");
  // messages about files go to `messages`.
  ProfileWindow(const QString& fileStem, MessageSink& messages, QWidget* parent);

  QLabel* lblSummary = nullptr;
  QCheckBox* chkLogRe = nullptr;
  QPushButton* cmdExportPng = nullptr;
  QPushButton* cmdExportCsv = nullptr;
  QPushButton* cmdClose = nullptr;
  QLabel* lblReadout = nullptr;

  // Draws a new profile under this title and brings the window up.
  void ShowProfile(const QString& title, Profile profile);
  const Profile& CurrentProfile() const { return profile_; }
  void SetSaveFileChooser(SaveFileChooser chooser) { export_.SetChooser(std::move(chooser)); }

  // The charts on show: one along a wall, two for a row of tubes.
  WallChart* Wall() const { return wallChart_; }
  const std::vector<TubeChart*>& Tubes() const { return tubeCharts_; }

  // The readout and crosshair for the point nearest to x along the wall.
  void ShowWallReadout(double x);
  // The readout for tube number `index` from 0 at the top.
  void ShowTubeReadout(int index);

 public slots:
  // Each asks for a file name; false when cancelled or not written.
  bool ExportPng();
  bool ExportCsv();

 private:
  void Redraw();
  void ClearCharts();

  FileExport export_;
  Profile profile_;
  QWidget* charts_ = nullptr;
  QVBoxLayout* chartLayout_ = nullptr;
  WallChart* wallChart_ = nullptr;
  std::vector<TubeChart*> tubeCharts_;
};

}  // namespace dorix
