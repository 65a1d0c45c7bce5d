// SPDX-License-Identifier: MIT
#include <QAreaSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QCheckBox>
#include <QFile>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#include "core/calc/profile_csv.h"
#include "core/text/format_value.h"
#include "gui/charts/hover_chart_view.h"
#include "gui/profile/profile_texts.h"
#include "gui/profile/profile_window.h"
#include "gui/profile/tube_chart.h"
#include "gui/profile/wall_chart.h"
#include "gui/ui/coefficient_panel.h"
#include "gui/ui/frm_cvw.h"
#include "gui/ui/frm_evw.h"
#include "gui/ui/frm_ht.h"
#include "gui/ui/window_set.h"
#include "gui/widgets/output_box.h"
#include "../ui_test_support.h"

using namespace dorix;
using testing_support::ShowAndActivate;
using testing_support::Window;

namespace {

// The names of a chart's series of one kind, in the order they were added.
template <typename Series>
QStringList Names(const QChart& chart) {
  QStringList names;
  for (QAbstractSeries* series : chart.series()) {
    if (qobject_cast<Series*>(series) != nullptr) names << series->name();
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

 private slots:
  void plotOpensOneModelessProfileWindowAndRefreshesIt() {
    WindowSet& windows = Windows();
    FrmCVW& form = windows.frmCVW();
    QVERIFY(ShowAndActivate(form));
    form.txtLength->setText("5");
    form.cmdPlot->click();
    ProfileWindow* profile = form.profileWindow();
    QVERIFY(profile != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(profile));
    QCOMPARE(profile->windowModality(), Qt::NonModal);
    QCOMPARE(profile->windowTitle(),
             QString("FILM CONDENSATION ON A VERTICAL WALL (H2O): profile"));
    const double firstEnd = *WallShown(*profile).ReL;

    // A second press redraws the same window for the inputs as they are now.
    form.txtLength->setText("1.0");
    form.cmdPlot->click();
    QCOMPARE(form.profileWindow(), profile);
    QCOMPARE(WallShown(*profile).L, 1.0);
    QVERIFY(*WallShown(*profile).ReL < firstEnd);
    // Plotting is no calculation: the report box keeps its text.
    QCOMPARE(form.txtOutput->Text(), QString("Output:\r\n"));
    QVERIFY(messages.messages.empty());

    // Close or Escape only hides it, and Plot brings the same one back.
    profile->cmdClose->click();
    QVERIFY(!profile->isVisible());
    form.cmdPlot->click();
    QCOMPARE(form.profileWindow(), profile);
    QVERIFY(profile->isVisible());
    QVERIFY(ShowAndActivate(*profile));
    QTest::keyClick(profile, Qt::Key_Escape);
    QVERIFY(!profile->isVisible());
    form.cmdPlot->click();

    // Done puts the profile away with its window; Plot draws it again.
    form.cmdDone->click();
    QVERIFY(!profile->isVisible());
    QVERIFY(ShowAndActivate(form));
    QVERIFY(!profile->isVisible());
    form.cmdPlot->click();
    QVERIFY(profile->isVisible());
  }

  void refusedInputGivesCalculatesMessageAndNoPlot_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::newRow("wall length zero") << "frmCVW"
                                      << "txtLength"
                                      << "0";
    QTest::newRow("too many tubes to draw") << "frmHT"
                                            << "txtNumTube"
                                            << "5000";
  }

  void refusedInputGivesCalculatesMessageAndNoPlot() {
    QFETCH(QString, window);
    QFETCH(QString, field);
    QFETCH(QString, text);
    WindowSet& windows = Windows();
    CalculatorWindow& form = Window(windows, window);
    QVERIFY(ShowAndActivate(form));
    form.findChild<QLineEdit*>(field)->setText(text);
    form.cmdCalc->click();
    const std::vector<std::string> calculated = messages.messages;
    messages.messages.clear();
    form.cmdPlot->click();
    QVERIFY(form.profileWindow() == nullptr);
    QCOMPARE(messages.messages.size(), std::size_t{1});
    if (text != "5000") {
      QCOMPARE(messages.messages, calculated);
    } else {
      // The row itself is sound; only drawing 5000 bars is refused.
      QVERIFY(calculated.empty());
      QCOMPARE(messages.messages.front(), std::string(TooManyTubesMessage()));
    }
  }

  void wallChartShadesTheZonesAndMarksTheTransitionsAndTheAverage() {
    WindowSet& windows = Windows();
    FrmCVW& form = windows.frmCVW();
    QVERIFY(ShowAndActivate(form));
    form.txtLength->setText("5");
    form.cmdCalc->click();
    form.cmdPlot->click();
    ProfileWindow& profile = *form.profileWindow();
    const WallProfile& wall = WallShown(profile);
    const WallChart& chart = *profile.Wall();

    QCOMPARE(Names<QAreaSeries>(chart), (QStringList{"Laminar", "Wavy-laminar", "Turbulent"}));
    QCOMPARE(wall.transitions.size(), std::size_t{2});
    for (const TransitionMark& mark : wall.transitions) {
      QLineSeries* line = SeriesNamed(chart, TransitionTitle(mark));
      QVERIFY2(line != nullptr, qPrintable(TransitionTitle(mark)));
      QCOMPARE(line->at(0).x(), mark.x);
      QCOMPARE(line->at(1).x(), mark.x);
    }
    QVERIFY(SeriesNamed(chart, TransitionTitle(wall.transitions[0])) !=
            SeriesNamed(chart, TransitionTitle(wall.transitions[1])));
    QLineSeries* average = SeriesNamed(chart, AverageTitle(*wall.hAvg, false));
    QVERIFY(average != nullptr);
    QCOMPARE(average->at(0).y(), *wall.hAvg);

    // The summary quotes the report's numbers as the report writes them.
    const QString report = form.txtOutput->Text();
    QVERIFY(report.contains("Reynolds number at the end of the wall = " + Number(*wall.ReL)));
    QVERIFY(profile.lblSummary->text().contains("Reynolds number at the end of the wall = " +
                                                Number(*wall.ReL)));
    QVERIFY(report.contains("Average heat transfer coefficient = " + Number(*wall.hAvg)));
    QVERIFY(profile.lblSummary->text().contains("Average heat transfer coefficient = " +
                                                Number(*wall.hAvg)));
  }

  void axesAreTitledWithUnitsAndLabelledWithPlainNumbers() {
    WindowSet& windows = Windows();
    FrmCVW& form = windows.frmCVW();
    QVERIFY(ShowAndActivate(form));
    form.cmdPlot->click();
    WallChart& chart = *form.profileWindow()->Wall();
    QStringList titles;
    for (QAbstractAxis* axis : chart.axes()) {
      titles << axis->titleText();
      auto* numbers = qobject_cast<QCategoryAxis*>(axis);
      QVERIFY(numbers != nullptr);
      const QStringList labels = numbers->categoriesLabels();
      const auto decimals = [](const QString& label) {
        return label.contains('.') ? label.size() - label.indexOf('.') - 1 : 0;
      };
      const double span = numbers->max() - numbers->min();
      for (const QString& label : labels) {
        // Round plain numbers, all with the same decimals, each at its own value.
        QVERIFY2(!label.contains('E'), qPrintable(label));
        QCOMPARE(decimals(label), decimals(labels.front()));
        QVERIFY(std::abs(label.toDouble() - numbers->endValue(label)) <= 1e-9 * span);
      }
    }
    QCOMPARE(titles, (QStringList{"Distance from the top edge x [m]",
                                  "Local heat transfer coefficient h [W/m\u00B2K]",
                                  "Film Reynolds number Re"}));
    auto* x = qobject_cast<QCategoryAxis*>(chart.axes(Qt::Horizontal).front());
    QCOMPARE(x->categoriesLabels(), (QStringList{"0.0", "0.2", "0.4", "0.6", "0.8", "1.0"}));
  }

  void coefficientsAreInTheUnitOfTheWindowsReport_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("unit");
    QTest::newRow("vertical wall") << "frmCVW"
                                   << "W/m\u00B2K";
    QTest::newRow("horizontal tubes") << "frmHT"
                                      << "W/m\u00B2K";
    QTest::newRow("evaporation") << "frmEVW"
                                 << "W/m\u00B2 K";
  }

  void coefficientsAreInTheUnitOfTheWindowsReport() {
    QFETCH(QString, window);
    QFETCH(QString, unit);
    WindowSet& windows = Windows();
    CalculatorWindow& form = Window(windows, window);
    QVERIFY(ShowAndActivate(form));
    form.cmdCalc->click();
    form.cmdPlot->click();
    ProfileWindow& profile = *form.profileWindow();

    // "Average heat transfer coefficient = 4781 W/m²K", as the report writes it.
    const QString report = form.txtOutput->Text();
    const QString label = "Average heat transfer coefficient = ";
    const qsizetype at = report.indexOf(label);
    QVERIFY(at >= 0);
    const QString average = report.mid(at + label.size()).section("\r\n", 0, 0);
    QCOMPARE(average.section(' ', 1), unit);
    QVERIFY2(profile.lblSummary->text().contains("= " + average),
             qPrintable(profile.lblSummary->text()));

    QAbstractAxis* hAxis =
        profile.Wall() != nullptr
            ? profile.Wall()->axes(Qt::Vertical, profile.Wall()->HSeries()).front()
            : profile.Tubes().front()->axes(Qt::Vertical).front();
    QVERIFY(hAxis->titleText().endsWith("[" + unit + "]"));
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
    WindowSet& windows = Windows();
    FrmCVW& form = windows.frmCVW();
    QVERIFY(ShowAndActivate(form));
    form.cmdPlot->click();
    ProfileWindow& profile = *form.profileWindow();
    QVERIFY(profile.chkLogRe->isVisible());
    profile.chkLogRe->setChecked(true);
    const WallChart& chart = *profile.Wall();
    QCOMPARE(chart.ReAxis()->titleText(), QString("Film Reynolds number Re (logarithmic scale)"));
    // The labels are the core's decade labels (axis_ticks_test), at whole decades.
    for (const QString& label : chart.ReAxis()->categoriesLabels()) {
      const double decade = chart.ReAxis()->endValue(label);
      QCOMPARE(decade, std::round(decade));
      QVERIFY(label.startsWith("10"));
    }
    // The top edge's film of nothing has no place on it; every other point does.
    const WallProfile& wall = WallShown(profile);
    QCOMPARE(chart.ReSeries()->count(), static_cast<int>(wall.points.size()) - 1);
    QCOMPARE(chart.ReSeries()->at(0).y(), std::log10(wall.points[1].Re));

    profile.chkLogRe->setChecked(false);
    QCOMPARE(profile.Wall()->ReSeries()->count(), static_cast<int>(wall.points.size()));
  }

  void readoutFollowsTheMouseAlongTheWall() {
    WindowSet& windows = Windows();
    FrmCVW& form = windows.frmCVW();
    QVERIFY(ShowAndActivate(form));
    form.txtLength->setText("5");
    form.cmdPlot->click();
    ProfileWindow& profile = *form.profileWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&profile));
    WallChart& chart = *profile.Wall();
    auto* view = profile.findChild<HoverChartView*>();
    QVERIFY(view != nullptr);

    const QPointF at = chart.mapToPosition(QPointF(2.0, 1000.0), chart.HSeries());
    // Through the window system, as a real mouse moves.
    const QPoint inView = view->mapFromScene(chart.mapToScene(at));
    QTest::mouseMove(profile.windowHandle(), view->viewport()->mapTo(&profile, inView));
    const WallProfile& wall = WallShown(profile);
    const ProfilePoint& point = wall.points[chart.NearestPoint(2.0)];
    QVERIFY(std::abs(point.x - 2.0) < 0.02);
    QCOMPARE(profile.lblReadout->text(),
             "x = " + Number(point.x) + " m    Re = " + Number(point.Re) +
                 "    h = " + Number(*point.h) + " W/m\u00B2K    turbulent");

    profile.ShowWallReadout(0.0);
    QVERIFY(
        profile.lblReadout->text().startsWith("x = 0.00E+00 m    Re = 0.00E+00    h = "
                                              "unbounded"));
  }

  void dryOutIsMarkedWithTheDryWallBelowIt() {
    WindowSet& windows = Windows();
    FrmEVW& form = windows.frmEVW();
    QVERIFY(ShowAndActivate(form));
    form.txtLength->setText("5");
    form.cmdCalc->click();
    QVERIFY(!form.txtOutput->Text().contains("Reynolds number"));
    form.cmdPlot->click();
    ProfileWindow& profile = *form.profileWindow();
    const WallProfile& wall = WallShown(profile);
    QVERIFY(wall.xDry && *wall.xDry < 5.0);
    const WallChart& chart = *profile.Wall();
    QCOMPARE(Names<QAreaSeries>(chart),
             (QStringList{"Turbulent", "Wavy-laminar", "Laminar", "Dry wall"}));
    QLineSeries* dryOut = SeriesNamed(chart, DryOutTitle(*wall.xDry));
    QVERIFY(dryOut != nullptr);
    QCOMPARE(dryOut->at(0).x(), *wall.xDry);
    QVERIFY(!SeriesNamed(chart, AverageTitle(0.0, true)));
    QCOMPARE(profile.lblSummary->text(), "The film dries out at x = " + Number(*wall.xDry) +
                                             " m, before the end of the wall at 5 m: the "
                                             "report has no results.");
    profile.ShowWallReadout(4.5);
    QVERIFY(profile.lblReadout->text().endsWith("dry wall: the film has evaporated"));
  }

  void tubeChartsShowEachTubeOfTheRow() {
    WindowSet& windows = Windows();
    FrmHT& form = windows.frmHT();
    QVERIFY(ShowAndActivate(form));
    form.txtNumTube->setText("2.5");
    form.cmdPlot->click();
    ProfileWindow& profile = *form.profileWindow();
    QVERIFY(!profile.chkLogRe->isVisible());
    QVERIFY(profile.Wall() == nullptr);
    const TubeProfile& row = std::get<TubeProfile>(profile.CurrentProfile());
    QCOMPARE(profile.Tubes().size(), std::size_t{2});
    QBarSet& coefficients = *profile.Tubes()[0]->Bars();
    QBarSet& rates = *profile.Tubes()[1]->Bars();
    QCOMPARE(coefficients.count(), 3);
    for (int i = 0; i < 3; ++i) {
      QCOMPARE(coefficients.at(i), row.tubes[i].h);
      QCOMPARE(rates.at(i), row.tubes[i].m);
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
                 " W/m\u00B2K    "
                 "condensation rate = " +
                 Number(row.tubes[2].m) +
                 " kg/m s    Re of the condensate leaving it = " + Number(row.Re));
  }

  void exportsWriteThePictureAndTheData() {
    WindowSet& windows = Windows();
    FrmEVW& form = windows.frmEVW();
    QVERIFY(ShowAndActivate(form));
    form.cmdPlot->click();
    ProfileWindow& profile = *form.profileWindow();
    QTemporaryDir folder;
    QStringList suggested;
    QString answer;
    profile.SetSaveFileChooser([&](QWidget*, const QString&, const QString& path, const QString&) {
      suggested << path;
      return answer;
    });

    answer = folder.filePath("chart");  // the suffix is added
    QVERIFY(profile.ExportPng());
    const QImage picture(folder.filePath("chart.png"));
    QVERIFY(!picture.isNull());
    QVERIFY(picture.width() > 200 && picture.height() > 200);

    answer = folder.filePath("data.csv");
    QVERIFY(profile.ExportCsv());
    QFile data(answer);
    QVERIFY(data.open(QIODevice::ReadOnly));
    QCOMPARE(data.readAll().toStdString(), ProfileCsv(profile.CurrentProfile()));
    QVERIFY(suggested[0].endsWith("/wall-evaporation-profile.png"));
    // The next suggestion is in the folder last saved to.
    QCOMPARE(suggested[1], folder.filePath("wall-evaporation-profile.csv"));

    answer = folder.filePath("no such folder/data.csv");
    QVERIFY(!profile.ExportCsv());
    QCOMPARE(messages.messages,
             std::vector<std::string>{"*** ERROR: The data could not be written to " +
                                      answer.toStdString() + "."});
  }
};

QTEST_MAIN(ProfileWindowTest)
#include "profile_window_test.moc"
