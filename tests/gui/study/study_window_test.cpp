// SPDX-License-Identifier: MIT
#include <QCategoryAxis>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QGuiApplication>
#include <QImage>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QRegularExpression>
#include <QScatterSeries>
#include <QSvgRenderer>
#include <QTableView>
#include <QTemporaryDir>
#include <cmath>
#include <sstream>

#include "../ui_test_support.h"
#include "cli/sweep.h"
#include "core/calc/outcome_record.h"
#include "core/text/format_value.h"
#include "gui/charts/chart_crosshair.h"
#include "gui/study/study_chart.h"
#include "gui/study/study_controls.h"
#include "gui/study/study_table_model.h"
#include "gui/study/study_texts.h"
#include "gui/study/study_window.h"

using namespace dorix;
using testing_support::ShowAndActivate;

namespace {

StudyWindow& OpenStudy(CalculatorWindow& form) {
  form.cmdStudy->click();
  return *form.studyWindow();
}

// Types a range into the study's controls and runs it.
bool Sweep(StudyWindow& study, const QString& field, const QString& from, const QString& to,
           const QString& count, bool logarithmic = false) {
  study.controls->cboInput->setCurrentIndex(study.controls->cboInput->findData(field));
  study.controls->txtFrom->setText(from);
  study.controls->txtTo->setText(to);
  study.controls->txtCount->setText(count);
  const QSignalBlocker quiet(study.controls->chkLogSteps);
  study.controls->chkLogSteps->setChecked(logarithmic);
  return study.Run();
}

// Rows of cells as "column=text", sorted: the table leads with the swept
// field, the CSV keeps the sweep's order. The first row holds the names.
std::vector<QStringList> ByName(const QList<QStringList>& table) {
  std::vector<QStringList> rows;
  for (const QStringList& cells : table.mid(1)) {
    QStringList row;
    for (qsizetype c = 0; c < table[0].size(); ++c) row << table[0][c] + "=" + cells.value(c);
    row.sort();
    rows.push_back(row);
  }
  return rows;
}

// The table's rows, each cell as the CSV has it.
std::vector<QStringList> TableRows(const StudyTableModel& model) {
  QList<QStringList> table;
  for (int r = -1; r < model.rowCount(); ++r) {
    table.emplace_back();
    for (int c = 0; c < model.columnCount(); ++c) {
      table.back() << (r < 0 ? model.headerData(c, Qt::Horizontal, StudyTableModel::kCsvTextRole)
                             : model.data(model.index(r, c), StudyTableModel::kCsvTextRole))
                          .toString();
    }
  }
  return ByName(table);
}

// The rows of the study's CSV, quoted cells unquoted.
std::vector<QStringList> CsvRows(const Study& study) {
  static const QRegularExpression cell("(?:^|,)(\"(?:[^\"]|\"\")*\"|[^,]*)");
  QList<QStringList> table;
  for (const QString& line :
       QString::fromStdString(StudyCsv(study)).split('\n', Qt::SkipEmptyParts)) {
    table.emplace_back();
    for (const QRegularExpressionMatch& match : cell.globalMatch(line)) {
      const QString text = match.captured(1);
      table.back() << (text.startsWith('"') ? text.mid(1, text.size() - 2).replace("\"\"", "\"")
                                            : text);
    }
  }
  return ByName(table);
}

// The points a chart draws for a fluid, over all the pieces of its curve.
QList<QPointF> Drawn(const StudyChart& chart, int fluid) {
  QList<QPointF> points;
  for (const QLineSeries* piece : chart.CurveOf(fluid).pieces) points += piece->points();
  return points;
}

bool CrosshairShown(const StudyChart& chart) {
  for (QGraphicsItem* item : chart.childItems()) {
    if (dynamic_cast<ChartCrosshair*>(item) != nullptr) return item->isVisible();
  }
  return false;
}

}  // namespace

class StudyWindowTest : public testing_support::UiTestCase {
  Q_OBJECT

 private slots:
  // Alt+S opens one modeless study per window, seeded with the window's
  // fields, selector, fluid and coefficients; pressed again, it takes the
  // fields as they are now and keeps its range; Done takes it along.
  void studyOpensOnAltSSeededWithTheWindow() {
    FrmCVW& form = static_cast<FrmCVW&>(Open("frmCVW"));
    Module1.FluidNo = 2;
    form.Form_Activate();
    testing_support::Type(form,
                          {{"txtWallTemp", "270"}, {"txtLength", "2.5"}, {"txtCoeffC", "50"}});
    QTest::keyClick(form.menTempType, Qt::Key_Down);

    QTest::keyClick(&form, Qt::Key_S, Qt::AltModifier);
    // A shortcut presses its button as a click seen on screen, a moment later.
    QTRY_VERIFY(form.studyWindow() != nullptr);
    StudyWindow& study = *form.studyWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&study));
    QCOMPARE(study.windowModality(), Qt::NonModal);
    QCOMPARE(study.windowTitle(), "PARAMETRIC STUDY \u2014 " + form.windowTitle());
    QVERIFY(std::get<WallCondensationFields>(study.Fields()) == form.Fields());
    QCOMPARE(study.Fluid(), 2);
    QCOMPARE(study.controls->lblFluid->text(), QString("Fluid: NH3"));
    QCOMPARE(study.controls->lblSetting->text(), QString("Preset: Custom"));
    // The vapour temperature is not read in saturation mode: nothing to vary.
    QCOMPARE(study.controls->cboInput->findData("vapor_temp"), -1);
    // The wall temperature's range, as the core suggests it (the core's study tests).
    QCOMPARE(study.controls->txtFrom->text() + " " + study.controls->txtTo->text(),
             QString("200 340"));

    QVERIFY(Sweep(study, "length", "1", "3", "5"));
    form.txtWallTemp->setText("280");
    Module1.FluidNo = 1;
    form.cmdStudy->click();
    QCOMPARE(form.studyWindow(), &study);
    QCOMPARE(std::get<WallCondensationFields>(study.Fields()).wallTemp, std::string("280"));
    QCOMPARE(study.Fluid(), 1);
    QCOMPARE(study.controls->txtTo->text(), QString("3"));
    QCOMPARE(study.TableModel()->rowCount(), 5);
    form.cmdDone->click();
    QVERIFY(!study.isVisible());
    QVERIFY(messages.messages.empty());
  }

  // The range typed reaches the study, which is the command line's sweep of
  // the same fields; the table shows its rows.
  void tableIsTheCommandLineSweep_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("fluid");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QStringList>("range");  // from, to, count
    QTest::addColumn<bool>("logarithmic");
    QTest::newRow("wall length in logarithmic steps, ammonia")
        << "frmCVW" << 2 << "length" << QStringList{"0.001", "20", "40"} << true;
    QTest::newRow("tubes by their number, R-134a")
        << "frmHT" << 6 << "tubes" << QStringList{"-2", "30", "17"} << false;
    QTest::newRow("evaporating film from dry-out to turbulent")
        << "frmEVW" << 1 << "flow_rate" << QStringList{"0.0001", "3", "30"} << true;
  }

  void tableIsTheCommandLineSweep() {
    QFETCH(QString, window);
    QFETCH(int, fluid);
    QFETCH(QString, field);
    QFETCH(QStringList, range);
    QFETCH(bool, logarithmic);
    Module1.FluidNo = fluid;
    StudyWindow& study = OpenStudy(Open(window));
    QVERIFY(Sweep(study, field, range[0], range[1], range[2], logarithmic));

    // What dorix-calc --sweep writes for the same fields, fluid and range.
    const std::string option =
        (field + "=" + range.join(':') + (logarithmic ? ":log" : "")).toStdString();
    const Problem& problem = ProblemOf(study.Fields());
    std::string error;
    const std::optional<SweepRange> sweep = cli::ParseSweep(option, problem, error);
    QVERIFY2(sweep, error.c_str());
    std::ostringstream expected;
    cli::WriteSweep(problem, study.Fields(), *sweep, {&Module1.Store, fluid, kGrav, {}}, 3,
                    expected);
    QCOMPARE(StudyCsv(*study.CurrentStudy()), expected.str());
    QCOMPARE(TableRows(*study.TableModel()), CsvRows(*study.CurrentStudy()));
    QVERIFY(messages.messages.empty());
  }

  // Refused points are gaps in the curve; their rows show the message over
  // the results' cells.
  void refusedPointsAreGapsWithTheirMessages() {
    StudyWindow& study = OpenStudy(Windows().frmCVW());
    QVERIFY(Sweep(study, "wall_temp", "100", "400", "31"));
    const StudyCurve& curve = study.CurrentStudy()->curves.front();
    const StudyTableModel& model = *study.TableModel();
    const int results = model.FirstResultColumn();
    QList<QPointF> expected;
    int refused = 0;
    for (int row = 0; row < model.rowCount(); ++row) {
      const StudyPoint& point = curve.points[static_cast<std::size_t>(row)];
      if (point.row.status != CalculationOutcome::Status::kRefused) {
        expected << QPointF(*point.x, *point.row.results[2]);
        QCOMPARE(study.tblPoints->columnSpan(row, results), 1);
        continue;
      }
      ++refused;
      QCOMPARE(model.index(row, results).data().toString(),
               QString::fromStdString(point.row.message));
      QCOMPARE(study.tblPoints->columnSpan(row, results), 4);
    }
    QVERIFY(refused >= 6 && expected.size() >= 10);
    QCOMPARE(Drawn(*study.Charts().front(), 1), expected);

    // The readout names the point nearest the pointer, a refused one by its message.
    StudyChart& chart = *study.Charts().front();
    QVERIFY(!CrosshairShown(chart));
    study.ShowReadout(318.0);
    QVERIFY(CrosshairShown(chart));
    QCOMPARE(study.lblReadout->text(),
             "Wall temperature [K] = 320.0    H2O: h = " +
                 QString::fromStdString(FormatValue(*curve.points[22].row.results[2])) +
                 " W/m\u00B2K");
    study.ShowReadout(399.0);
    QVERIFY(
        study.lblReadout->text().endsWith(QString::fromStdString(curve.points[30].row.message)));
    study.ShowReadout(500.0);  // beyond the range
    QVERIFY(!CrosshairShown(chart));
    QVERIFY(messages.messages.empty());
  }

  // Films that dry out are marked, not drawn; legends tell lines from marks
  // and say why a fluid has no curve.
  void dryOutsAreMarkedAndLegendsSayWhyAFluidHasNoCurve() {
    StudyWindow& study = OpenStudy(Windows().frmEVW());
    QVERIFY(Sweep(study, "flow_rate", "0.0001", "3", "30", true));
    const StudyChart& chart = *study.Charts().front();
    QList<double> dryOuts;
    for (const StudyPoint& point : study.CurrentStudy()->curves.front().points) {
      if (point.row.status == CalculationOutcome::Status::kDryOut) dryOuts << std::log10(*point.x);
    }
    const QScatterSeries* marks = chart.CurveOf(1).dryOuts;
    QCOMPARE(marks->name(), QString("The film dries out"));
    QCOMPARE(marks->count(), dryOuts.size());
    QCOMPARE(marks->at(0).x(), dryOuts.front());
    QCOMPARE(Drawn(chart, 1).size(), 30 - dryOuts.size());
    QCOMPARE(chart.legend()->markerShape(), QLegend::MarkerShapeFromSeries);
    QCOMPARE(marks->markerShape(), QScatterSeries::MarkerShapeTriangle);
    const StudyTableModel& model = *study.TableModel();
    QCOMPARE(model.index(0, model.FirstResultColumn()).data().toString(),
             QString("The film dries out."));
    QCOMPARE(study.tblPoints->columnSpan(0, model.FirstResultColumn()), 4);

    // At 300 K only some fluids are liquid: the others are named, greyed, with why.
    QVERIFY(Sweep(study, "wall_temp", "301", "320", "3"));
    study.controls->chkAllFluids->setChecked(true);
    const StudyChart& all = *study.Charts().front();
    int named = 0;
    for (const StudyCurve& curve : study.CurrentStudy()->curves) {
      QLegendMarker* marker =
          all.legend()->markers(all.CurveOf(curve.fluid).pieces.front()).front();
      if (!Drawn(all, curve.fluid).isEmpty()) {
        QCOMPARE(marker->label(), FluidTitle(curve.fluid));
        continue;
      }
      ++named;
      QVERIFY2(marker->label().startsWith(FluidTitle(curve.fluid) + ": no curve<br>("),
               qPrintable(marker->label()));
      QCOMPARE(marker->labelBrush().color(), QColor(Qt::gray));
    }
    QVERIFY(named > 0);
  }

  // All fluids overlay a curve each, a fluid column leading the table; the
  // plot choices redraw without computing again.
  void allFluidsAndPlotChoicesRedrawWithoutComputingAgain() {
    StudyWindow& study = OpenStudy(Windows().frmEVW());
    const Study* computed = study.CurrentStudy();
    for (QCheckBox* box : study.controls->chkResults) box->setChecked(true);
    QCOMPARE(study.Charts().size(), std::size_t{4});
    QCOMPARE(study.CurrentStudy(), computed);
    // Four low charts still have room for all their texts.
    QVERIFY(QTest::qWaitForWindowExposed(&study));
    QCoreApplication::processEvents();
    for (const StudyChart* chart : study.Charts()) {
      for (QGraphicsItem* item : chart->scene()->items()) {
        if (auto* text = dynamic_cast<QGraphicsTextItem*>(item)) {
          QVERIFY2(!text->toPlainText().endsWith("..."), qPrintable(text->toPlainText()));
        }
      }
    }
    for (QCheckBox* box : study.controls->chkResults) box->setChecked(false);
    QVERIFY(study.Charts().empty());

    study.controls->chkResults[0]->setChecked(true);
    study.controls->chkAllFluids->setChecked(true);
    QCOMPARE(study.CurrentStudy()->curves.size(), std::size_t{12});
    QCOMPARE(study.Fluid(), 1);
    QCOMPARE(study.TableModel()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(),
             QString("Fluid"));
    QCOMPARE(TableRows(*study.TableModel()), CsvRows(*study.CurrentStudy()));

    // The difference from saturation puts each fluid at one p/pc, named with its Tsat.
    QVERIFY(Sweep(study, "delta_t", "1", "50", "11"));
    const StudyChart& chart = *study.Charts().front();
    QVERIFY(chart.XAxis()->titleText().endsWith(
        ", each fluid at p/pc = " +
        QString::fromStdString(FormatValue(*study.CurrentStudy()->reducedPressure))));
    QCOMPARE(chart.CurveOf(1).pieces.front()->name(), QString("H2O (Tsat = 300.0 K)"));
  }

  // A range that is none gets the core's message; Enter in a range field
  // runs the study, and the study shown stays.
  void aRangeThatIsNoneGetsAMessageAndTheStudyStays() {
    StudyWindow& study = OpenStudy(Windows().frmCVW());
    const Study* before = study.CurrentStudy();
    study.controls->txtFrom->setText("abc");
    QTest::keyClick(study.controls->txtTo, Qt::Key_Return);
    QCOMPARE(Shown(), QStringList{"*** ERROR: From is not a number: \"abc\"."});
    QCOMPARE(study.CurrentStudy(), before);
    QCOMPARE(study.TableModel()->rowCount(), 21);
  }

  void logarithmicStepsGiveALogarithmicAxisAndTheTransitions() {
    StudyWindow& study = OpenStudy(Windows().frmCVW());
    study.controls->chkResults[0]->setChecked(true);
    study.controls->chkResults[2]->setChecked(false);
    QVERIFY(Sweep(study, "length", "0.01", "100", "41", true));
    const StudyChart& chart = *study.Charts().front();
    QCOMPARE(chart.XAxis()->titleText(), QString("Length of wall [m] (log scale)"));
    QCOMPARE(chart.XAxis()->min(), -2.0);
    QCOMPARE(chart.XAxis()->max(), 2.0);
    QCOMPARE(chart.title(), QString("Re at the end of the wall"));
    const QList<QPointF> drawn = Drawn(chart, 1);
    QCOMPARE(drawn.size(), 41);
    QCOMPARE(drawn.front().x(), std::log10(static_cast<double>(0.01F)));
    QCOMPARE(drawn.back().x(), 2.0);

    // The default panel: Re(wl) = C = 30 at every length, Re(tur) above it.
    QCOMPARE(chart.Transitions().size(), std::size_t{2});
    QCOMPARE(chart.Transitions()[0]->name(), QString("Re(wl): laminar to wavy-laminar"));
    for (const QPointF& p : chart.Transitions()[0]->points()) QCOMPARE(p.y(), 30.0);

    // The readout takes the point nearest on the axis as drawn: 0.1418 lies
    // nearer 0.1259 but, on a logarithmic axis, nearer 0.1585.
    study.ShowReadout(0.1418);
    QVERIFY(study.lblReadout->text().startsWith("Length of wall [m] = 0.1585    H2O: Re = "));

    // The axis ends where the range does, not at the next decade.
    QVERIFY(Sweep(study, "length", "0.01", "20", "41", true));
    QCOMPARE(study.Charts().front()->XAxis()->max(), std::log10(20.0));
    study.controls->chkLogResults->setChecked(true);
    const StudyChart& logarithmic = *study.Charts().front();
    QCOMPARE(logarithmic.YAxis()->titleText(), QString("Re (log scale)"));
    QCOMPARE(Drawn(logarithmic, 1).front().y(), std::log10(drawn.front().y()));
    QVERIFY(messages.messages.empty());
  }

  void exportsWriteTheChartsAndTheTable() {
    StudyWindow& study = OpenStudy(Windows().frmCVW());
    QVERIFY(ShowAndActivate(study));
    QTemporaryDir folder;
    QStringList suggested;
    QString answer;
    study.SetSaveFileChooser([&](QWidget*, const QString&, const QString& path, const QString&) {
      suggested << path;
      return answer;
    });

    answer = folder.filePath("chart");  // the suffix is added
    QVERIFY(study.ExportPng());
    const QImage picture(folder.filePath("chart.png"));
    QVERIFY(picture.width() > 400 && picture.height() > 200);
    QVERIFY(suggested[0].endsWith("/wall-condensation-study.png"));

    answer = folder.filePath("chart.svg");
    QVERIFY(study.ExportSvg());
    QSvgRenderer svg(answer);
    QVERIFY(svg.isValid());
    QFile file(answer);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY(text.count("<polyline") > 10 && text.contains(">Wall temperature [K]<"));

    answer = folder.filePath("table.csv");
    QVERIFY(study.ExportCsv());
    QFile csv(answer);
    QVERIFY(csv.open(QIODevice::ReadOnly));
    QCOMPARE(csv.readAll().toStdString(), StudyCsv(*study.CurrentStudy()));
    QCOMPARE(suggested.last(), folder.filePath("wall-condensation-study.csv"));

    answer.clear();  // cancelled
    QVERIFY(!study.ExportSvg());
    QVERIFY(messages.messages.empty());
    answer = folder.filePath("no such folder/chart.svg");
    QVERIFY(!study.ExportSvg());
    QCOMPARE(Shown(),
             QStringList{"*** ERROR: The picture could not be written to " + answer + "."});
  }

  void tableShowsTitlesAndSixDigitsAndCopiesItsSelectionWithHeaders() {
    StudyWindow& study = OpenStudy(Windows().frmCVW());
    QVERIFY(ShowAndActivate(study));
    QVERIFY(Sweep(study, "length", "0.025", "0.05", "2"));
    const StudyTableModel& model = *study.TableModel();
    QCOMPARE(model.data(model.index(0, 0), Qt::DisplayRole).toString(), QString("0.025"));

    study.tblPoints->setFocus();
    QTest::keyClick(study.tblPoints, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(study.tblPoints, Qt::Key_C, Qt::ControlModifier);
    const QStringList lines = QGuiApplication::clipboard()->text().split('\n');
    QCOMPARE(lines.size(), 4);  // headers, two rows and the last line's end
    QCOMPARE(lines[0].section('\t', 0, 3),
             QString("Length of wall [m]\tRe\tCondensation rate [kg/m s]\th [W/m\u00B2K]"));
    QVERIFY(lines[1].startsWith(model.index(0, 0).data(StudyTableModel::kCsvTextRole).toString() +
                                '\t'));
    QCOMPARE(lines[1].count('\t'), model.columnCount() - 1);

    // Tab leaves the table; Escape closes the window.
    QTest::keyClick(study.tblPoints, Qt::Key_Tab);
    QVERIFY(!study.tblPoints->hasFocus());
    QTest::keyClick(&study, Qt::Key_Escape);
    QVERIFY(!study.isVisible());
  }

  void savesAndOpensAStudy() {
    FrmHT& ht = Windows().frmHT();
    ht.menRowFactor->setCurrentIndex(1);
    StudyWindow& saved = OpenStudy(ht);
    QCOMPARE(saved.controls->lblSetting->text(), "Row factor: Kern N\u207B\u00B9\u141F\u2076");
    QVERIFY(Sweep(saved, "tubes", "1", "12", "12"));
    saved.controls->chkResults[0]->setChecked(true);
    saved.controls->chkAllFluids->setChecked(true);
    QTemporaryDir folder;
    const auto answer = [path = folder.filePath("tubes.json")](QWidget*, const QString&,
                                                               const QString&,
                                                               const QString&) { return path; };
    saved.SetSaveFileChooser(answer);
    QVERIFY(saved.SaveStudy());

    // Another session's window, from its defaults, takes up the study as it was.
    MessageRecorder otherMessages;
    WindowSet other(&otherMessages);
    StudyWindow& opened = OpenStudy(other.frmHT());
    opened.SetOpenFileChooser(answer);
    QVERIFY(opened.OpenStudy());
    QCOMPARE(opened.Fields(), saved.Fields());
    QCOMPARE(StudyCsv(*opened.CurrentStudy()), StudyCsv(*saved.CurrentStudy()));
    QCOMPARE(opened.controls->ChosenResults(), saved.controls->ChosenResults());
    QCOMPARE(opened.Charts().size(), std::size_t{2});
    QVERIFY(otherMessages.messages.empty());

    // A study of another problem stays with its own window.
    StudyWindow& wall = OpenStudy(other.frmCVW());
    wall.SetOpenFileChooser(answer);
    QVERIFY(!wall.OpenStudy());
    QCOMPARE(otherMessages.messages,
             std::vector<std::string>{"*** ERROR: The file is a study of tube-condensation; open "
                                      "it from that problem's window."});
  }
};

QTEST_MAIN(StudyWindowTest)
#include "study_window_test.moc"
