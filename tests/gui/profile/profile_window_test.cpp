// SPDX-License-Identifier: MIT
#include <QAreaSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QCheckBox>
#include <QFile>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QImage>
#include <QLineSeries>
#include <QTemporaryDir>
#include <cmath>

#include "../ui_test_support.h"
#include "core/calc/profile_csv.h"
#include "core/text/format_value.h"
#include "gui/charts/hover_chart_view.h"
#include "gui/profile/profile_texts.h"
#include "gui/profile/profile_window.h"
#include "gui/profile/tube_chart.h"
#include "gui/profile/wall_chart.h"

using namespace dorix;
using namespace Qt::StringLiterals;
using testing_support::Calculate;
using testing_support::ShowAndActivate;
using testing_support::Type;

namespace {

// The names of a chart's shaded zones, in the order they were added.
QStringList Zones(const QChart& chart) {
  QStringList names;
  for (QAbstractSeries* series : chart.series()) {
    if (qobject_cast<QAreaSeries*>(series) != nullptr) names << series->name();
  }
  return names;
}

QLineSeries* SeriesNamed(const QChart& chart, const QString& name) {
  for (QAbstractSeries* series : chart.series()) {
    if (series->name() == name) return qobject_cast<QLineSeries*>(series);
  }
  return nullptr;
}

const WallProfile& WallShown(const ProfileWindow& window) {
  return std::get<WallProfile>(window.CurrentProfile());
}

// The tick labels of a chart's axes that it draws cut short for want of room.
QStringList CutTickLabels(const QChart& chart) {
  QStringList drawn;
  for (QGraphicsItem* item : chart.scene()->items()) {
    if (auto* text = dynamic_cast<QGraphicsTextItem*>(item)) drawn << text->toPlainText();
  }
  QStringList cut;
  for (QAbstractAxis* axis : chart.axes()) {
    for (const QString& label : static_cast<QCategoryAxis*>(axis)->categoriesLabels()) {
      if (!drawn.contains(label)) cut << label;
    }
  }
  return cut;
}

QString Number(double value) {
  return QString::fromStdString(FormatValue(value));
}

}  // namespace

class ProfileWindowTest : public testing_support::UiTestCase {
  Q_OBJECT

  // Plots a calculator window, its fields typed first.
  ProfileWindow& Plot(const QString& name,
                      std::initializer_list<std::pair<const char*, const char*>> texts = {}) {
    CalculatorWindow& form = Open(name);
    Type(form, texts);
    form.cmdPlot->click();
    return *form.profileWindow();
  }

 private slots:
  void plotOpensOneModelessProfileWindowAndRefreshesIt() {
    CalculatorWindow& form = Open("frmCVW");
    Type(form, {{"txtLength", "5"}});
    form.cmdPlot->click();
    ProfileWindow* profile = form.profileWindow();
    QVERIFY(QTest::qWaitForWindowExposed(profile));
    QCOMPARE(profile->windowModality(), Qt::NonModal);
    QCOMPARE(profile->windowTitle(),
             QString("FILM CONDENSATION ON A VERTICAL WALL (H2O): profile"));

    // A second press redraws the same window for the inputs as they are now.
    Type(form, {{"txtLength", "1.0"}});
    form.cmdPlot->click();
    QCOMPARE(form.profileWindow(), profile);
    QCOMPARE(WallShown(*profile).L, 1.0);
    // Plotting is no calculation: the report box keeps its text.
    QCOMPARE(form.txtOutput->Text(), QString("Output:\r\n"));
    QVERIFY(messages.messages.empty());

    // Close or Escape only hides it, and Plot brings the same one back.
    profile->cmdClose->click();
    QVERIFY(!profile->isVisible());
    form.cmdPlot->click();
    QVERIFY(ShowAndActivate(*profile));
    QTest::keyClick(profile, Qt::Key_Escape);
    QVERIFY(!profile->isVisible());
    form.cmdPlot->click();
    QCOMPARE(form.profileWindow(), profile);
    form.cmdDone->click();
    QVERIFY(!profile->isVisible());
  }

  // A refused input gives Calculate's message and no plot; a sound row of
  // too many tubes to draw gives its own.
  void refusedInputGivesCalculatesMessageAndNoPlot_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::newRow("wall length zero") << u"frmCVW"_s << u"txtLength"_s << u"0"_s;
    QTest::newRow("too many tubes to draw") << u"frmHT"_s << u"txtNumTube"_s << u"5000"_s;
  }

  void refusedInputGivesCalculatesMessageAndNoPlot() {
    QFETCH(QString, window);
    QFETCH(QString, field);
    QFETCH(QString, text);
    CalculatorWindow& form = Open(window);
    form.findChild<QLineEdit*>(field)->setText(text);
    form.cmdCalc->click();
    const QStringList calculated = Shown();
    messages.messages.clear();
    form.cmdPlot->click();
    QVERIFY(form.profileWindow() == nullptr);
    QCOMPARE(Shown(), text == "5000" ? QStringList{TooManyTubesMessage()} : calculated);
    QCOMPARE(calculated.isEmpty(), text == "5000");
  }

  // Each window's chart quotes the report's average as the report writes it,
  // unit and all, and titles its coefficient axis in that unit.
  void chartsQuoteTheReportInItsUnit_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("unit");
    QTest::newRow("vertical wall") << u"frmCVW"_s << u"W/m\u00B2K"_s;
    QTest::newRow("horizontal tubes") << u"frmHT"_s << u"W/m\u00B2K"_s;
    QTest::newRow("evaporation") << u"frmEVW"_s << u"W/m\u00B2 K"_s;
  }

  void chartsQuoteTheReportInItsUnit() {
    QFETCH(QString, window);
    QFETCH(QString, unit);
    CalculatorWindow& form = Open(window);
    const QString report = Calculate(form);
    form.cmdPlot->click();
    ProfileWindow& profile = *form.profileWindow();
    const QString label = "Average heat transfer coefficient = ";
    const QString average = report.mid(report.indexOf(label) + label.size()).section("\r\n", 0, 0);
    QCOMPARE(average.section(' ', 1), unit);
    QVERIFY2(profile.lblSummary->text().contains("= " + average),
             qPrintable(profile.lblSummary->text()));
    QAbstractAxis* hAxis =
        profile.Wall() != nullptr
            ? profile.Wall()->axes(Qt::Vertical, profile.Wall()->HSeries()).front()
            : profile.Tubes().front()->axes(Qt::Vertical).front();
    QVERIFY(hAxis->titleText().endsWith("[" + unit + "]"));
  }

  // The wall's chart shades its zones, marks the transitions and the
  // average, and labels its axes with round plain numbers.
  void wallChartShadesTheZonesAndMarksTheTransitionsAndTheAverage() {
    ProfileWindow& profile = Plot("frmCVW", {{"txtLength", "5"}});
    const WallProfile& wall = WallShown(profile);
    const WallChart& chart = *profile.Wall();
    QCOMPARE(Zones(chart), (QStringList{"Laminar", "Wavy-laminar", "Turbulent"}));
    QCOMPARE(wall.transitions.size(), std::size_t{2});
    for (const TransitionMark& mark : wall.transitions) {
      QLineSeries* line = SeriesNamed(chart, TransitionTitle(mark));
      QVERIFY2(line != nullptr, qPrintable(TransitionTitle(mark)));
      QCOMPARE(line->at(0).x(), mark.x);
      QCOMPARE(line->at(1).x(), mark.x);
    }
    QCOMPARE(SeriesNamed(chart, AverageTitle(*wall.hAvg, false))->at(0).y(), *wall.hAvg);
    QVERIFY(profile.lblSummary->text().contains("Reynolds number at the end of the wall = " +
                                                Number(*wall.ReL)));

    QStringList titles;
    for (QAbstractAxis* axis : chart.axes()) {
      titles << axis->titleText();
      auto* numbers = qobject_cast<QCategoryAxis*>(axis);
      const QStringList labels = numbers->categoriesLabels();
      const double span = numbers->max() - numbers->min();
      for (const QString& label : labels) {
        QVERIFY2(!label.contains('E'), qPrintable(label));
        QVERIFY(std::abs(label.toDouble() - numbers->endValue(label)) <= 1e-9 * span);
      }
    }
    QCOMPARE(titles, (QStringList{"Distance from the top edge x [m]",
                                  "Local heat transfer coefficient h [W/m\u00B2K]",
                                  "Film Reynolds number Re"}));
    auto* x = qobject_cast<QCategoryAxis*>(chart.axes(Qt::Horizontal).front());
    QCOMPARE(x->categoriesLabels(), (QStringList{"0", "1", "2", "3", "4", "5"}));
  }

  void axesReachBelowZeroWhereUnusualCoefficientsMakeHNegative() {
    WallProfile profile;
    profile.L = 1.0;
    profile.points = {{0.0, 0.0, std::nullopt, WallZone::kLaminar},
                      {0.5, 40.0, -1500.0, WallZone::kWavyLaminar},
                      {1.0, 80.0, -2500.0, WallZone::kWavyLaminar}};
    profile.zones = {{WallZone::kLaminar, 0.0, 0.4}, {WallZone::kWavyLaminar, 0.4, 1.0}};
    profile.ReL = 80.0;
    profile.hAvg = -1800.0;
    WallChart chart(profile, false);
    auto* h = qobject_cast<QCategoryAxis*>(chart.axes(Qt::Vertical, chart.HSeries()).front());
    QVERIFY(h->min() <= -2500.0);
    QVERIFY(h->max() >= 0.0);
  }

  void logScaleDrawsReOnDecades() {
    ProfileWindow& profile = Plot("frmCVW");
    profile.chkLogRe->setChecked(true);
    const WallChart& chart = *profile.Wall();
    QCOMPARE(chart.ReAxis()->titleText(), QString("Film Reynolds number Re (logarithmic scale)"));
    // The labels are the core's decade labels (axis_ticks_test), at whole decades.
    for (const QString& label : chart.ReAxis()->categoriesLabels()) {
      QCOMPARE(chart.ReAxis()->endValue(label), std::round(chart.ReAxis()->endValue(label)));
    }
    // The top edge's film of nothing has no place on it; every other point does.
    const WallProfile& wall = WallShown(profile);
    QCOMPARE(chart.ReSeries()->count(), static_cast<int>(wall.points.size()) - 1);
    QCOMPARE(chart.ReSeries()->at(0).y(), std::log10(wall.points[1].Re));
    profile.chkLogRe->setChecked(false);
    QCOMPARE(profile.Wall()->ReSeries()->count(), static_cast<int>(wall.points.size()));
  }

  void readoutFollowsTheMouseAlongTheWall() {
    ProfileWindow& profile = Plot("frmCVW", {{"txtLength", "5"}});
    QVERIFY(QTest::qWaitForWindowExposed(&profile));
    WallChart& chart = *profile.Wall();
    auto* view = profile.findChild<HoverChartView*>();
    // Through the window system, as a real mouse moves.
    const QPointF at = chart.mapToPosition(QPointF(2.0, 1000.0), chart.HSeries());
    const QPoint inView = view->mapFromScene(chart.mapToScene(at));
    QTest::mouseMove(profile.windowHandle(), view->viewport()->mapTo(&profile, inView));
    const ProfilePoint& point = WallShown(profile).points[chart.NearestPoint(2.0)];
    QVERIFY(std::abs(point.x - 2.0) < 0.02);
    QCOMPARE(profile.lblReadout->text(),
             "x = " + Number(point.x) + " m    Re = " + Number(point.Re) +
                 "    h = " + Number(*point.h) + " W/m\u00B2K    turbulent");
    profile.ShowWallReadout(0.0);
    QVERIFY(
        profile.lblReadout->text().startsWith("x = 0.00E+00 m    Re = 0.00E+00    h = unbounded"));
  }

  void dryOutIsMarkedWithTheDryWallBelowIt() {
    ProfileWindow& profile = Plot("frmEVW", {{"txtLength", "5"}});
    const WallProfile& wall = WallShown(profile);
    QVERIFY(wall.xDry && *wall.xDry < 5.0);
    const WallChart& chart = *profile.Wall();
    QCOMPARE(Zones(chart), (QStringList{"Turbulent", "Wavy-laminar", "Laminar", "Dry wall"}));
    QCOMPARE(SeriesNamed(chart, DryOutTitle(*wall.xDry))->at(0).x(), *wall.xDry);
    QVERIFY(!SeriesNamed(chart, AverageTitle(0.0, true)));
    QCOMPARE(profile.lblSummary->text(), "The film dries out at x = " + Number(*wall.xDry) +
                                             " m, before the end of the wall at 5 m: the "
                                             "report has no results.");
    profile.ShowWallReadout(4.5);
    QVERIFY(profile.lblReadout->text().endsWith("dry wall: the film has evaporated"));
  }

  void tubeChartsShowEachTubeOfTheRow() {
    ProfileWindow& profile = Plot("frmHT", {{"txtNumTube", "2.5"}});
    QVERIFY(!profile.chkLogRe->isVisible() && profile.Wall() == nullptr);
    const TubeProfile& row = std::get<TubeProfile>(profile.CurrentProfile());
    QCOMPARE(profile.Tubes().size(), std::size_t{2});
    QBarSet& coefficients = *profile.Tubes()[0]->Bars();
    QCOMPARE(coefficients.count(), 3);
    for (int i = 0; i < 3; ++i) {
      QCOMPARE(coefficients.at(i), row.tubes[i].h);
      QCOMPARE(profile.Tubes()[1]->Bars()->at(i), row.tubes[i].m);
    }
    QVERIFY(SeriesNamed(*profile.Tubes()[0], AverageTitle(row.h, false)) != nullptr);
    QCOMPARE(profile.lblSummary->text().section(':', 0, 0), QString("Number of tubes N = 2.5"));
    // Every tick in full at the window's first size, and in a small window.
    QVERIFY(QTest::qWaitForWindowExposed(&profile));
    for (const QSize size : {profile.size(), QSize(400, 300)}) {
      profile.resize(size);
      QCoreApplication::processEvents();
      for (const TubeChart* chart : profile.Tubes()) QCOMPARE(CutTickLabels(*chart), QStringList());
    }
    emit coefficients.hovered(true, 2);
    QCOMPARE(profile.lblReadout->text(),
             "Tube 3 (0.5000 of a tube):    h = " + Number(row.tubes[2].h) +
                 " W/m\u00B2K    condensation rate = " + Number(row.tubes[2].m) +
                 " kg/m s    Re of the condensate leaving it = " + Number(row.Re));
  }

  // The file chooser's suggestions and suffixes are the study window's too
  // (study_window_test); here the names, the data and the message of data.
  void exportsWriteThePictureAndTheData() {
    ProfileWindow& profile = Plot("frmEVW");
    QTemporaryDir folder;
    QStringList suggested;
    QString answer = folder.filePath("chart.png");
    profile.SetSaveFileChooser([&](QWidget*, const QString&, const QString& path, const QString&) {
      suggested << path;
      return answer;
    });
    QVERIFY(profile.ExportPng() && QImage(answer).width() > 200);
    QVERIFY(suggested[0].endsWith("/wall-evaporation-profile.png"));

    answer = folder.filePath("data.csv");
    QVERIFY(profile.ExportCsv());
    QFile data(answer);
    QVERIFY(data.open(QIODevice::ReadOnly));
    QCOMPARE(data.readAll().toStdString(), ProfileCsv(profile.CurrentProfile()));

    answer = folder.filePath("no such folder/data.csv");
    QVERIFY(!profile.ExportCsv());
    QCOMPARE(Shown(), QStringList{"*** ERROR: The data could not be written to " + answer + "."});
  }
};

QTEST_MAIN(ProfileWindowTest)
#include "profile_window_test.moc"
