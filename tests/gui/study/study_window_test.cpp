// SPDX-License-Identifier: MIT
#include <QCategoryAxis>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QGuiApplication>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QSvgRenderer>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <cmath>
#include <map>
#include <sstream>

#include "cli/sweep.h"
#include "core/calc/outcome_record.h"
#include "core/state/module1.h"
#include "core/text/format_value.h"
#include "gui/charts/chart_crosshair.h"
#include "gui/study/study_chart.h"
#include "gui/study/study_controls.h"
#include "gui/study/study_table_model.h"
#include "gui/study/study_texts.h"
#include "gui/study/study_window.h"
#include "gui/ui/coefficient_panel.h"
#include "gui/ui/frm_cvw.h"
#include "gui/ui/frm_evw.h"
#include "gui/ui/frm_ht.h"
#include "gui/ui/window_set.h"
#include "../ui_test_support.h"

using namespace dorix;
using testing_support::ShowAndActivate;
using testing_support::Window;

namespace {

using Row = std::map<QString, QString>;

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

// The table's rows, each cell as the CSV has it, by column name.
std::vector<Row> TableRows(const StudyTableModel& model) {
  std::vector<Row> rows;
  for (int r = 0; r < model.rowCount(); ++r) {
    Row row;
    for (int c = 0; c < model.columnCount(); ++c) {
      row[model.headerData(c, Qt::Horizontal, StudyTableModel::kCsvTextRole).toString()] =
          model.data(model.index(r, c), StudyTableModel::kCsvTextRole).toString();
    }
    rows.push_back(row);
  }
  return rows;
}

// The rows of a CSV whose messages hold no commas, by column name.
// A CSV line's cells, quoted ones unquoted.
QStringList CsvCells(const QString& line) {
  QStringList cells{QString()};
  bool quoted = false;
  for (qsizetype i = 0; i < line.size(); ++i) {
    const QChar c = line[i];
    if (c == '"') {
      if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
        cells.back() += c;
        ++i;
      } else {
        quoted = !quoted;
      }
    } else if (c == ',' && !quoted) {
      cells << QString();
    } else {
      cells.back() += c;
    }
  }
  return cells;
}

std::vector<Row> CsvRows(const std::string& csv) {
  const QStringList lines = QString::fromStdString(csv).split('\n', Qt::SkipEmptyParts);
  const QStringList header = lines.front().split(',');
  std::vector<Row> rows;
  for (qsizetype i = 1; i < lines.size(); ++i) {
    const QStringList cells = CsvCells(lines[i]);
    Row row;
    for (qsizetype c = 0; c < header.size(); ++c) row[header[c]] = cells.value(c);
    rows.push_back(row);
  }
  return rows;
}

// What dorix-calc --sweep writes for these fields, fluid and sweep option.
std::string CommandLineSweep(const ProblemFields& fields, int fluid, const std::string& option) {
  std::string error;
  const std::optional<SweepRange> sweep = cli::ParseSweep(option, ProblemOf(fields), error);
  if (!sweep) return error;
  std::ostringstream out;
  cli::WriteSweep(ProblemOf(fields), fields, *sweep, {&Module1.Store, fluid, kGrav, {}}, 3, out);
  return out.str();
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
  void studyOpensOnAltSOncePerWindow() {
    CalculatorWindow& form = Windows().frmHT();
    QVERIFY(ShowAndActivate(form));
    QVERIFY(form.studyWindow() == nullptr);

    QTest::keyClick(&form, Qt::Key_S, Qt::AltModifier);
    // A shortcut presses its button as a click seen on screen, a moment later.
    QTRY_VERIFY(form.studyWindow() != nullptr);
    StudyWindow* study = form.studyWindow();
    QVERIFY(QTest::qWaitForWindowExposed(study));
    QCOMPARE(study->windowModality(), Qt::NonModal);
    QCOMPARE(study->windowTitle(), "PARAMETRIC STUDY \u2014 " + form.windowTitle());
    QVERIFY(study->CurrentStudy() != nullptr);
    QVERIFY(messages.messages.empty());

    // Once per window: a second press brings the same one back; Done takes it along.
    study->close();
    form.cmdStudy->click();
    QCOMPARE(form.studyWindow(), study);
    QVERIFY(study->isVisible());
    form.cmdDone->click();
    QVERIFY(!study->isVisible());
  }

  void seedsWithTheWindowsFieldsSelectorFluidAndCoefficients() {
    WindowSet& windows = Windows();
    FrmCVW& form = windows.frmCVW();
    QVERIFY(ShowAndActivate(form));
    Module1.FluidNo = 2;
    form.Form_Activate();
    form.txtPressure->setText("500000");
    form.txtWallTemp->setText("270");
    form.txtLength->setText("2.5");
    form.coefficients->txtCoeffC->setText("50");
    form.menTempType->setCurrentIndex(kSaturationVaporTemperature);
    form.menTempType_Click();

    StudyWindow& study = OpenStudy(form);
    const auto& seeded = std::get<WallCondensationFields>(study.Fields());
    const WallCondensationFields typed = form.Fields();
    QCOMPARE(seeded.pressure, typed.pressure);
    QCOMPARE(seeded.vaporTemp, typed.vaporTemp);
    QCOMPARE(seeded.wallTemp, std::string("270"));
    QCOMPARE(seeded.length, std::string("2.5"));
    QCOMPARE(seeded.coefficients.C, std::string("50"));
    QCOMPARE(seeded.tempTypeIndex, kSaturationVaporTemperature);
    QCOMPARE(study.Fluid(), 2);
    QCOMPARE(study.controls->lblFluid->text(), QString("Fluid: NH3"));
    // The vapour temperature is not read in saturation mode: nothing to vary.
    QCOMPARE(study.controls->cboInput->findData("vapor_temp"), -1);
    QCOMPARE(study.controls->cboInput->currentData().toString(), QString("wall_temp"));
    QCOMPARE(study.controls->txtFrom->text(), QString("200"));
    QCOMPARE(study.controls->txtTo->text(), QString("340"));
    for (const Row& row : TableRows(*study.TableModel())) {
      QCOMPARE(row.at("C"), QString("50"));
      QCOMPARE(row.at("length"), QString("2.5"));
    }

    // Pressed again, it takes the fields as they are now and keeps its range.
    QVERIFY(Sweep(study, "length", "1", "3", "5"));
    form.txtLength->setText("9");
    form.txtWallTemp->setText("280");
    Module1.FluidNo = 1;
    form.cmdStudy->click();
    QCOMPARE(std::get<WallCondensationFields>(study.Fields()).wallTemp, std::string("280"));
    QCOMPARE(study.Fluid(), 1);
    QCOMPARE(study.controls->cboInput->currentData().toString(), QString("length"));
    QCOMPARE(study.controls->txtTo->text(), QString("3"));
    QCOMPARE(study.TableModel()->rowCount(), 5);
    QVERIFY(messages.messages.empty());
  }

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
    QTest::newRow("evaporation coefficient n through 1")
        << "frmEVW" << 3 << "n" << QStringList{"0.5", "1.5", "11"} << false;
  }

  void tableIsTheCommandLineSweep() {
    QFETCH(QString, window);
    QFETCH(int, fluid);
    QFETCH(QString, field);
    QFETCH(QStringList, range);
    QFETCH(bool, logarithmic);
    WindowSet& windows = Windows();
    CalculatorWindow& form = Window(windows, window);
    QVERIFY(ShowAndActivate(form));
    Module1.FluidNo = fluid;
    StudyWindow& study = OpenStudy(form);
    QVERIFY(Sweep(study, field, range[0], range[1], range[2], logarithmic));

    const std::string option =
        (field + "=" + range.join(':') + (logarithmic ? ":log" : "")).toStdString();
    const std::string expected = CommandLineSweep(study.Fields(), fluid, option);
    const std::vector<Row> rows = TableRows(*study.TableModel());
    QCOMPARE(rows, CsvRows(expected));
    QCOMPARE(StudyCsv(*study.CurrentStudy()), expected);
    QVERIFY(messages.messages.empty());
  }

  void refusedPointsAreGapsWithTheirMessages() {
    WindowSet& windows = Windows();
    FrmCVW& form = windows.frmCVW();
    StudyWindow& study = OpenStudy(form);
    // Too cold a wall for the liquid's curves at the start, a wall at or
    // above saturation at the end.
    QVERIFY(Sweep(study, "wall_temp", "100", "400", "31"));
    const StudyChart& chart = *study.Charts().front();
    const QList<QPointF> drawn = Drawn(chart, 1);
    const StudyCurve& curve = study.CurrentStudy()->curves.front();
    QList<QPointF> expected;
    int refused = 0;
    for (const StudyPoint& point : curve.points) {
      if (point.row.status == CalculationOutcome::Status::kRefused) {
        ++refused;
        continue;
      }
      expected << QPointF(*study.CurrentStudy()->X(point), *point.row.results[2]);
    }
    QVERIFY(refused >= 6);
    QVERIFY(expected.size() >= 10);
    QCOMPARE(drawn, expected);

    const StudyTableModel& model = *study.TableModel();
    const int results = model.FirstResultColumn();
    for (int row = 0; row < model.rowCount(); ++row) {
      const SweepPoint& point = curve.points[static_cast<std::size_t>(row)].row;
      const QModelIndex cell = model.index(row, results);
      if (point.status != CalculationOutcome::Status::kRefused) {
        QCOMPARE(study.tblPoints->columnSpan(row, results), 1);
        continue;
      }
      QVERIFY(QString::fromStdString(point.message).startsWith("*** ERROR: "));
      QCOMPARE(model.data(cell, Qt::DisplayRole).toString(), QString::fromStdString(point.message));
      QCOMPARE(model.data(cell, StudyTableModel::kCsvTextRole).toString(), QString());
      // Over the three results and the message.
      QCOMPARE(study.tblPoints->columnSpan(row, results), 4);
    }
    QCOMPARE(curve.points.back().row.message,
             std::string("*** ERROR: Wall temp. should be lower than Saturation temp."));
    QVERIFY(messages.messages.empty());
  }

  void filmsThatDryOutAreMarkedNotDrawn() {
    WindowSet& windows = Windows();
    StudyWindow& study = OpenStudy(windows.frmEVW());
    QVERIFY(Sweep(study, "flow_rate", "0.0001", "3", "30", true));
    const StudyCurve& curve = study.CurrentStudy()->curves.front();
    QList<QPointF> dryOuts;
    for (const StudyPoint& point : curve.points) {
      if (point.row.status == CalculationOutcome::Status::kDryOut) {
        dryOuts << QPointF(std::log10(*study.CurrentStudy()->X(point)), 0.0);
      }
    }
    QVERIFY(!dryOuts.isEmpty());
    const StudyChart& chart = *study.Charts().front();
    const QScatterSeries* marks = chart.CurveOf(1).dryOuts;
    QVERIFY(marks != nullptr);
    QCOMPARE(marks->name(), QString("The film dries out"));
    QCOMPARE(marks->count(), dryOuts.size());
    for (int i = 0; i < dryOuts.size(); ++i) QCOMPARE(marks->at(i).x(), dryOuts[i].x());
    QCOMPARE(Drawn(chart, 1).size(), 30 - dryOuts.size());

    const StudyTableModel& model = *study.TableModel();
    const QModelIndex first = model.index(0, model.FirstResultColumn());
    QCOMPARE(model.data(first, Qt::DisplayRole).toString(), QString("The film dries out."));
    QCOMPARE(TableRows(model).front().at("dry_out"), QString("true"));
    QCOMPARE(study.tblPoints->columnSpan(0, model.FirstResultColumn()), 4);
  }

  void allFluidsOverlayACurvePerFluid() {
    WindowSet& windows = Windows();
    FrmHT& form = windows.frmHT();
    form.menTempType->setCurrentIndex(kSaturationVaporTemperature);
    form.menTempType_Click();
    StudyWindow& study = OpenStudy(form);
    QVERIFY(Sweep(study, "wall_temp", "200", "360", "9"));
    study.controls->chkResults[0]->setChecked(true);  // Re beside h
    study.controls->chkAllFluids->setChecked(true);

    const Study& all = *study.CurrentStudy();
    QCOMPARE(all.curves.size(), std::size_t{12});
    QCOMPARE(study.Fluid(), 1);
    QCOMPARE(study.Charts().size(), std::size_t{2});
    const StudyTableModel& model = *study.TableModel();
    QCOMPARE(model.rowCount(), 108);
    QCOMPARE(model.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QString("Fluid"));
    const std::vector<Row> rows = TableRows(model);
    QCOMPARE(rows[0].at("fluid"), QString("water"));
    QCOMPARE(rows[53].at("fluid"), QString("r134a"));
    QCOMPARE(rows[107].at("fluid"), QString("co2"));
    // Each fluid's rows are its own study's.
    study.controls->chkAllFluids->setChecked(false);
    const std::vector<Row> water = TableRows(*study.TableModel());
    for (std::size_t i = 0; i < water.size(); ++i) {
      Row overlaid = rows[i];
      overlaid.erase("fluid");
      QCOMPARE(overlaid, water[i]);
    }
  }

  void aRangeThatIsNoneGetsAMessageAndTheStudyStays_data() {
    QTest::addColumn<QStringList>("range");  // from, to, count
    QTest::addColumn<bool>("logarithmic");
    QTest::addColumn<QString>("message");
    QTest::newRow("from not a number")
        << QStringList{"abc", "2", "5"} << false << "*** ERROR: From is not a number: \"abc\".";
    QTest::newRow("one point") << QStringList{"1", "2", "1"} << false
                               << "*** ERROR: Number of points must be a whole number from 2 to "
                                  "10000.";
    QTest::newRow("from equal to to, in other units")
        << QStringList{"300", "300 K", "5"} << false
        << "*** ERROR: From and To are the same value; please enter two different ends.";
  }

  void aRangeThatIsNoneGetsAMessageAndTheStudyStays() {
    QFETCH(QStringList, range);
    QFETCH(bool, logarithmic);
    QFETCH(QString, message);
    WindowSet& windows = Windows();
    StudyWindow& study = OpenStudy(windows.frmCVW());
    const Study* before = study.CurrentStudy();
    study.controls->txtFrom->setText(range[0]);
    study.controls->txtTo->setText(range[1]);
    study.controls->txtCount->setText(range[2]);
    {
      const QSignalBlocker quiet(study.controls->chkLogSteps);
      study.controls->chkLogSteps->setChecked(logarithmic);
    }
    // Enter in a range field runs the study.
    QTest::keyClick(study.controls->txtTo, Qt::Key_Return);
    QCOMPARE(messages.messages, std::vector<std::string>{message.toStdString()});
    QCOMPARE(study.CurrentStudy(), before);
    QCOMPARE(study.TableModel()->rowCount(), 21);
  }

  void logarithmicStepsGiveALogarithmicAxisAndTheTransitions() {
    WindowSet& windows = Windows();
    StudyWindow& study = OpenStudy(windows.frmCVW());
    study.controls->chkResults[0]->setChecked(true);
    study.controls->chkResults[2]->setChecked(false);
    QVERIFY(Sweep(study, "length", "0.01", "100", "41", true));
    const StudyChart& chart = *study.Charts().front();
    QCOMPARE(chart.XAxis()->titleText(), QString("Length of wall [m] (log scale)"));
    QCOMPARE(chart.XAxis()->min(), -2.0);
    QCOMPARE(chart.XAxis()->max(), 2.0);
    QCOMPARE(chart.title(), QString("Re at the end of the wall"));
    QCOMPARE(chart.YAxis()->titleText(), QString("Re"));
    const QList<QPointF> drawn = Drawn(chart, 1);
    QCOMPARE(drawn.size(), 41);
    QCOMPARE(drawn.front().x(), std::log10(static_cast<double>(0.01F)));
    QCOMPARE(drawn.back().x(), 2.0);

    // The default panel: Re(wl) = C = 30 at every length, Re(tur) above it.
    QCOMPARE(chart.Transitions().size(), std::size_t{2});
    const QLineSeries& wavy = *chart.Transitions()[0];
    QCOMPARE(wavy.name(), QString("Re(wl): laminar to wavy-laminar"));
    for (const QPointF& p : wavy.points()) QCOMPARE(p.y(), 30.0);
    QCOMPARE(chart.Transitions()[1]->name(), QString("Re(tur): wavy-laminar to turbulent"));

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

  void readoutAndCrosshairFollowThePointer() {
    WindowSet& windows = Windows();
    StudyWindow& study = OpenStudy(windows.frmCVW());
    QVERIFY(Sweep(study, "wall_temp", "300", "380", "5"));
    StudyChart& chart = *study.Charts().front();
    QVERIFY(!CrosshairShown(chart));
    study.ShowReadout(318.0);  // nearest to 320
    QVERIFY(CrosshairShown(chart));
    const SweepPoint& point = study.CurrentStudy()->curves.front().points[1].row;
    QCOMPARE(study.lblReadout->text(), "Wall temperature [K] = 320.0    H2O: h = " +
                                           QString::fromStdString(FormatValue(*point.results[2])) +
                                           " W/m\u00B2K");
    study.ShowReadout(379.0);
    QCOMPARE(study.lblReadout->text(),
             QString("Wall temperature [K] = 380.0    H2O: *** ERROR: Wall temp. should be lower "
                     "than Saturation temp."));
    study.ShowReadout(500.0);  // beyond the range
    QVERIFY(!CrosshairShown(chart));
  }

  void exportsWriteTheChartsAndTheTable() {
    WindowSet& windows = Windows();
    StudyWindow& study = OpenStudy(windows.frmCVW());
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
    QVERIFY(!picture.isNull());
    QVERIFY(picture.width() > 400 && picture.height() > 200);
    QVERIFY(suggested[0].endsWith("/wall-condensation-study.png"));

    answer = folder.filePath("chart.svg");
    QVERIFY(study.ExportSvg());
    QFile svg(answer);
    QVERIFY(svg.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&svg);
    int lines = 0;
    QStringList texts;
    while (!xml.atEnd()) {
      if (xml.readNext() != QXmlStreamReader::StartElement) continue;
      if (xml.name() == QString("polyline")) ++lines;
      if (xml.name() == QString("text")) texts << xml.readElementText().simplified();
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(lines > 10);
    QVERIFY(texts.contains("Wall temperature [K]"));
    QVERIFY(texts.contains("H2O"));
    QVERIFY(QSvgRenderer(answer).isValid());

    answer = folder.filePath("table.csv");
    QVERIFY(study.ExportCsv());
    QFile csv(answer);
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const QByteArray data = csv.readAll();
    QCOMPARE(data.toStdString(), StudyCsv(*study.CurrentStudy()));
    QCOMPARE(data.count('\n'), 22);
    QCOMPARE(suggested.last(), folder.filePath("wall-condensation-study.csv"));

    answer.clear();  // cancelled
    QVERIFY(!study.ExportSvg());
    QVERIFY(messages.messages.empty());
    answer = folder.filePath("no such folder/chart.svg");
    QVERIFY(!study.ExportSvg());
    QCOMPARE(messages.messages,
             std::vector<std::string>{"*** ERROR: The picture could not be written to " +
                                      answer.toStdString() + "."});
  }

  void rangesAreSuggestedAndTypedInTheFieldsUnits() {
    WindowSet& windows = Windows();
    FrmHT& ht = windows.frmHT();
    ht.txtWallTemp->setText("80 degF");  // 299.8 K
    StudyWindow& study = OpenStudy(ht);
    QCOMPARE(study.controls->txtFrom->text(), QString("220"));
    QCOMPARE(study.controls->txtTo->text(), QString("370"));
    FrmCVW& cvw = windows.frmCVW();
    cvw.txtLength->setText("250 mm");
    StudyWindow& wall = OpenStudy(cvw);
    wall.controls->cboInput->setCurrentIndex(wall.controls->cboInput->findData("length"));
    emit wall.controls->cboInput->activated(wall.controls->cboInput->currentIndex());
    QCOMPARE(wall.controls->txtFrom->text(), QString("0.19"));
    QCOMPARE(wall.controls->txtTo->text(), QString("0.31"));
    QVERIFY(Sweep(wall, "wall_temp", "10 degC", "50 degC", "5"));
    QCOMPARE(*wall.CurrentStudy()->X(wall.CurrentStudy()->curves[0].points[0]),
             static_cast<double>(283.15F));
    QVERIFY(messages.messages.empty());
  }

  void showsAndRecordsThePresetOrRowFactor() {
    WindowSet& windows = Windows();
    FrmHT& ht = windows.frmHT();
    ht.menRowFactor->setCurrentIndex(1);
    StudyWindow& tubes = OpenStudy(ht);
    QCOMPARE(tubes.controls->lblSetting->text(), "Row factor: Kern N\u207B\u00B9\u141F\u2076");
    QCOMPARE(TableRows(*tubes.TableModel()).front().at("row_factor"), QString("kern"));
    FrmCVW& cvw = windows.frmCVW();
    cvw.coefficients->txtCoeffC->setText("31");
    StudyWindow& wall = OpenStudy(cvw);
    QCOMPARE(wall.controls->lblSetting->text(), QString("Preset: Custom"));
    QVERIFY(StudyCsv(*wall.CurrentStudy()).find(",custom,") != std::string::npos);
  }

  void tableShowsTitlesAndSixDigitsAndCopiesItsSelectionWithHeaders() {
    WindowSet& windows = Windows();
    StudyWindow& study = OpenStudy(windows.frmCVW());
    QVERIFY(ShowAndActivate(study));
    QVERIFY(Sweep(study, "length", "0.025", "0.05", "2"));
    const StudyTableModel& model = *study.TableModel();
    QCOMPARE(model.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(),
             QString("Length of wall [m]"));
    QCOMPARE(model.headerData(0, Qt::Horizontal, StudyTableModel::kCsvTextRole).toString(),
             QString("length"));
    QCOMPARE(model.headerData(3, Qt::Horizontal, Qt::DisplayRole).toString(),
             QString("h [W/m\u00B2K]"));
    QCOMPARE(model.data(model.index(0, 0), Qt::DisplayRole).toString(), QString("0.025"));
    QCOMPARE(model.data(model.index(0, 0), StudyTableModel::kCsvTextRole).toString(),
             QString("0.02500000037252903"));

    study.tblPoints->setFocus();
    QTest::keyClick(study.tblPoints, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(study.tblPoints, Qt::Key_C, Qt::ControlModifier);
    const QStringList lines = QGuiApplication::clipboard()->text().split('\n');
    QCOMPARE(lines.size(), 4);  // headers, two rows and the last line's end
    QVERIFY(lines[0].startsWith("Length of wall [m]\tRe\t"));
    QVERIFY(lines[1].startsWith("0.02500000037252903\t"));
    QCOMPARE(lines[1].count('\t'), model.columnCount() - 1);

    // Tab leaves the table; Escape closes the window, as Close does.
    QTest::keyClick(study.tblPoints, Qt::Key_Tab);
    QVERIFY(!study.tblPoints->hasFocus());
    QTest::keyClick(&study, Qt::Key_Escape);
    QVERIFY(!study.isVisible());
    QVERIFY(ShowAndActivate(study));
    study.cmdClose->click();
    QVERIFY(!study.isVisible());
  }

  void legendsTellLinesFromMarksAndSayWhyAFluidHasNoCurve() {
    WindowSet& windows = Windows();
    StudyWindow& study = OpenStudy(windows.frmEVW());
    QVERIFY(Sweep(study, "flow_rate", "0.0001", "3", "30", true));
    const StudyChart& chart = *study.Charts().front();
    QCOMPARE(chart.legend()->markerShape(), QLegend::MarkerShapeFromSeries);
    QCOMPARE(chart.CurveOf(1).dryOuts->markerShape(), QScatterSeries::MarkerShapeTriangle);
    QCOMPARE(chart.title(), QString("Average heat transfer coefficient h [W/m\u00B2 K]"));
    QCOMPARE(chart.YAxis()->titleText(), QString("h [W/m\u00B2 K]"));

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

  void comparesFluidsAtOneDifferenceFromSaturation() {
    WindowSet& windows = Windows();
    StudyWindow& study = OpenStudy(windows.frmHT());
    study.controls->chkAllFluids->setChecked(true);
    QVERIFY(Sweep(study, "delta_t", "1", "50", "11"));
    QCOMPARE(study.controls->cboInput->currentText(),
             QString("Tsat \u2212 Tw [K], each fluid at one p/pc"));
    const StudyChart& chart = *study.Charts().front();
    QCOMPARE(chart.XAxis()->titleText(),
             "Tsat \u2212 Tw [K], each fluid at p/pc = " +
                 QString::fromStdString(FormatValue(*study.CurrentStudy()->reducedPressure)));
    QCOMPARE(chart.CurveOf(1).pieces.front()->name(), QString("H2O (Tsat = 373.1 K)"));
    QCOMPARE(Drawn(chart, 1).front().x(), *study.CurrentStudy()->curves.front().points.front().x);
    QVERIFY(messages.messages.empty());
  }

  void savesAndOpensAStudy() {
    WindowSet& windows = Windows();
    FrmHT& ht = windows.frmHT();
    ht.menRowFactor->setCurrentIndex(1);
    StudyWindow& saved = OpenStudy(ht);
    QVERIFY(Sweep(saved, "tubes", "1", "12", "12"));
    saved.controls->chkResults[0]->setChecked(true);
    saved.controls->chkAllFluids->setChecked(true);
    QTemporaryDir folder;
    const QString path = folder.filePath("tubes.json");
    saved.SetSaveFileChooser(
        [&](QWidget*, const QString&, const QString&, const QString&) { return path; });
    QVERIFY(saved.SaveStudy());

    // Another session's window, from its defaults, takes up the study as it was.
    MessageRecorder otherMessages;
    WindowSet other(&otherMessages);
    const auto answer = [&](QWidget*, const QString&, const QString&, const QString&) {
      return path;
    };
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

  void plotChoicesRedrawWithoutComputingAgain() {
    WindowSet& windows = Windows();
    StudyWindow& study = OpenStudy(windows.frmEVW());
    const Study* computed = study.CurrentStudy();
    QCOMPARE(study.controls->chkResults.size(), std::size_t{4});
    QCOMPARE(study.controls->chkResults[1]->text(), QString("Final mass flow rate"));
    for (QCheckBox* box : study.controls->chkResults) box->setChecked(true);
    QCOMPARE(study.Charts().size(), std::size_t{4});
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
    QCOMPARE(study.Charts()[2]->title(), QString("Evaporation rate per unit width [kg/m s]"));
    for (QCheckBox* box : study.controls->chkResults) box->setChecked(false);
    QVERIFY(study.Charts().empty());
    QCOMPARE(study.CurrentStudy(), computed);
  }
};

QTEST_MAIN(StudyWindowTest)
#include "study_window_test.moc"
