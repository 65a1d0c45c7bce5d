// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/calc/calculation.h"
#include "core/calc/problems.h"
#include "core/calc/profile.h"
#include "core/state/message_sink.h"
#include "core/state/shared_calculation.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace dorix {

class ActionMessages;
class ComparisonWindow;
class NotesLine;
class OutputBox;
class ProfileWindow;
class StudyWindow;
class WindowSet;

// What the three problem windows share: the Fluid button with its "Fluid:"
// label at the top of the input column, Calculate, Done, Plot, Study and
// Compare under it, the report box beside it, the messages, and the refresh on
// every activation.
// Closing the window with the frame's close control only hides it, as Done does.
class CalculatorWindow : public QWidget {
  Q_OBJECT

 public:
  QLabel* Label1 = nullptr;
  QPushButton* cmdFluid = nullptr;
  QPushButton* cmdCalc = nullptr;
  QPushButton* cmdDone = nullptr;
  QPushButton* cmdPlot = nullptr;
  QPushButton* cmdStudy = nullptr;
  QPushButton* cmdCompare = nullptr;
  OutputBox* txtOutput = nullptr;
  NotesLine* lblNotes = nullptr;  // the report's validity notes
  QLabel* lblVaporDensity = nullptr;
  QComboBox* menVaporDensity = nullptr;

  ~CalculatorWindow() override;

  // The window's profile window, once Plot has opened it.
  ProfileWindow* profileWindow() const { return profileWindow_; }
  // The window's parametric study, once Study has opened it.
  StudyWindow* studyWindow() const { return studyWindow_; }
  // The window's comparison window, once Compare has opened it.
  ComparisonWindow* comparisonWindow() const { return comparisonWindow_; }

  // Runs once, when the window is created.
  virtual void Form_Load();
  // Runs each time the window becomes the active window.
  virtual void Form_Activate();

 public slots:
  void cmdFluid_Click();
  void cmdCalc_Click();
  void cmdDone_Click();
  // Draws the profile of the current inputs in the window's profile window,
  // after the very checks and messages of Calculate; a refused input opens
  // no profile.
  void cmdPlot_Click();
  // Opens the window's parametric study from its current fields, selector
  // and fluid.
  void cmdStudy_Click();
  // Runs the current inputs under every preset or row factor and shows them
  // side by side; refusals go into the table, not into message boxes.
  void cmdCompare_Click();

 protected:
  // Without a message sink the window shows its messages in modal boxes.
  // `problem` names the files its profile window suggests.
  CalculatorWindow(const QString& name, const QString& caption, const QString& problem,
                   WindowSet& windows, MessageSink* messages);

  // The window's calculation routine, run by Calculate.
  virtual CalculationOutcome Calculate() = 0;
  // The profile of the current inputs, read and checked as Calculate reads
  // and checks them; none when refused.
  virtual std::optional<Profile> Plot() = 0;
  // The fields as typed.
  virtual ProblemFields CurrentFields() const = 0;

  // Where the calculation's messages go; a message that the check on leaving
  // a field has just shown for the same user action is not shown again.
  MessageSink& Messages();

  // Places a widget above the input column and the report box.
  void SetUpperHalf(QWidget* widget);
  QLabel* NewLabel(const char* name, const QString& text);
  // Adds a row to the input column: the label (or selector) left of a new field.
  QLineEdit* AddField(QWidget* label, const char* name, const std::string& text);
  // Adds a row to the input column: the label left of another control.
  void AddRow(QWidget* label, QWidget* control);
  // Runs `handler` after the focus has left `field` for another control of the
  // window. Losing the focus to another window (a message box among them) is
  // not leaving the field, so a message shown by the handler cannot re-run it.
  void OnLostFocus(QLineEdit* field, std::function<void()> handler);
  // The check on leaving a length field: a message for a length of zero or
  // below, or for text that is not a number. Nothing else changes.
  void CheckLength(const QLineEdit& field);
  // Adds the vapour-density choice, neglected or included, as the column's
  // last row.
  void AddVaporDensityRow();
  VaporDensity CurrentVaporDensity() const;
  // Tab order: down the input column, Calculate, Done, Plot, Study, Compare,
  // then `rest`, then the report.
  void ChainTabOrder(const std::vector<QWidget*>& rest);

  bool event(QEvent* event) override;
  // The profile, the study and the comparison belong to their window: hidden
  // by Done, the frame's close control or the main menu, the window takes
  // them along.
  void hideEvent(QHideEvent* event) override;

 private:
  WindowSet& windows_;
  QString problem_;
  ProfileWindow* profileWindow_ = nullptr;
  StudyWindow* studyWindow_ = nullptr;
  ComparisonWindow* comparisonWindow_ = nullptr;
  std::unique_ptr<MessageSink> ownMessages_;
  std::unique_ptr<ActionMessages> messages_;
  QVBoxLayout* root_ = nullptr;
  QGridLayout* column_ = nullptr;
  std::vector<QWidget*> columnOrder_;
};

}  // namespace dorix
