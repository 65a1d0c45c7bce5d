// SPDX-License-Identifier: MIT
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "core/props/property_file.h"
#include "core/state/module1.h"
#include "core/sweep/parallel_chunks.h"
#include "core/sweep/study.h"
#include "gui/study/study_controls.h"
#include "gui/study/study_window.h"

// The goal: a study of 1 000 points recomputed and redrawn within one frame
// (16.7 ms at 60 Hz), for one fluid and for all six.

namespace {

using namespace dorix;

class NoMessages : public MessageSink {
 public:
  void ShowMessage(const std::string&) override {}
};

constexpr long kPoints = 1000;
const std::vector<int> kOneFluid{1};
const std::vector<int> kAllFluids{1, 2, 3, 4, 5, 6};

const std::vector<int>& Fluids(const benchmark::State& state) {
  return state.range(0) == 1 ? kOneFluid : kAllFluids;
}

// The windows read the shared state's store.
void LoadDeliveredData() {
  static const bool loaded = [] {
    SetStartupState();
    return LoadPropertyFile(DORIX_PROPERTY_FILE, Module1.Store).ok;
  }();
  benchmark::DoNotOptimize(loaded);
}

// The windows run offscreen, on an application made once and kept to the
// end: Qt's own clean-up at exit must not find it gone.
void StartApplication() {
  static int argc = 1;
  static char name[] = "bench_study";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static const auto* application = new QApplication(argc, argv);
  benchmark::DoNotOptimize(application);
}

// h against the wall temperature on a vertical wall: every point a report.
void BM_StudyComputation(benchmark::State& state) {
  PropertyStore store;
  LoadPropertyFile(DORIX_PROPERTY_FILE, store);
  const StudyRequest request{
      WallCondensationFields{}, {"wall_temp", 230, 370, kPoints, false}, Fluids(state)};
  for (auto _ : state) {
    Study study = RunStudy(request, store, kGrav, AllCores());
    benchmark::DoNotOptimize(study);
  }
  state.SetItemsProcessed(state.iterations() * kPoints * static_cast<long>(request.fluids.size()));
}
BENCHMARK(BM_StudyComputation)
    ->Arg(1)
    ->Arg(6)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

// A study window set up for the same study and shown, charting h as it does
// when it opens.
std::unique_ptr<StudyWindow> PreparedWindow(const benchmark::State& state, NoMessages& messages) {
  StartApplication();
  LoadDeliveredData();
  const ProblemFields fields = WallCondensationFields{};
  auto window =
      std::make_unique<StudyWindow>(ProblemOf(fields), "BENCH", "bench", messages, nullptr);
  window->Seed(fields, 1);
  window->controls->cboInput->setCurrentIndex(window->controls->cboInput->findData("wall_temp"));
  window->controls->txtFrom->setText("230");
  window->controls->txtTo->setText("370");
  window->controls->txtCount->setText(QString::number(kPoints));
  window->controls->chkAllFluids->setChecked(state.range(0) == 6);
  QCoreApplication::processEvents();
  return window;
}

// Each iteration asks for another range, as a user changing it would: the
// axes and every curve change.
void Rerun(StudyWindow& window, benchmark::State& state) {
  window.controls->txtTo->setText(state.iterations() % 2 == 0 ? "370" : "365");
  benchmark::DoNotOptimize(window.Run());
}

// Run: the computation, the table model and the charts' new curves and axes.
void BM_StudyWindowUpdate(benchmark::State& state) {
  NoMessages messages;
  const auto window = PreparedWindow(state, messages);
  for (auto _ : state) Rerun(*window, state);
}
BENCHMARK(BM_StudyWindowUpdate)
    ->Arg(1)
    ->Arg(6)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

// Run and the frame that follows: layout, and painting the window into the
// offscreen screen.
void BM_StudyWindowFrame(benchmark::State& state) {
  NoMessages messages;
  const auto window = PreparedWindow(state, messages);
  for (auto _ : state) {
    Rerun(*window, state);
    QCoreApplication::processEvents();
    // What the event loop would delete after the frame.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}
BENCHMARK(BM_StudyWindowFrame)
    ->Arg(1)
    ->Arg(6)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
