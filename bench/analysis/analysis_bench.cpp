// Whole runs of the sample program, from the program text to the CSV text, as
// brenno-cli does them: a Bode run of 2047 points, and the heavy FILT of 2048
// points of 405 evaluations each (K1 = 200), without and with the error
// estimate, whose second inversion takes 2 x 402 + 5 evaluations a point more.
#include <benchmark/benchmark.h>

#include <memory>

#include "analysis/analysis_runs.h"
#include "analysis/graph_csv.h"
#include "analysis/quiet_hooks.h"
#include "lang/workareas.h"

namespace {

constexpr const char* kSampleProgram =
    "H(s) = (1-exp(-s*1.2))/s;\r\nFREQ 0.1, 10, 80, GEO;\r\nTIME 0.01, 5, 80;\r\nFILT 4.0, 0.0, 4.0, 0.2;\r\n"
    "PROBE H(s);\r\n/* 0-order Hold (sampling period 1.2sec) */\r\n";

using AnalysisRun = RunOutcome (*)(ViewData&, AnalysisHooks&, int, RunProgress*);

void runToCsv(benchmark::State& state, AnalysisRun run, void (*setUp)(AnalysisSettings&), int points)
{
    auto view = std::make_unique<ViewData>();
    setUp(view->settings);
    QuietHooks hooks(kSampleProgram);
    for (auto _ : state) {
        if (run(*view, hooks, 0, nullptr) != RUN_CLEAN || view->pointCount != points)
            state.SkipWithError("the run did not end cleanly");
        benchmark::DoNotOptimize(graphCsvText(*view));
    }
    freeWorkAreas();
}

void bode2047(AnalysisSettings& s)
{
    s.sweepCount = 2047;
}

void heavyFilt(AnalysisSettings& s)
{
    s.timeStart = 0.01;
    s.timeEnd = 5;
    s.timeCount = 2048;
    s.filtK1 = 200;
}

void heavyFiltWithErrorEstimate(AnalysisSettings& s)
{
    heavyFilt(s);
    s.filtErrorEstimate = 1;
}

BENCHMARK_CAPTURE(runToCsv, bode_2047_points, RunBodeAnalysis, bode2047, 2047)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(runToCsv, heavy_filt_2048_points, RunFiltAnalysis, heavyFilt, 2048)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(runToCsv, heavy_filt_2048_points_error_estimate, RunFiltAnalysis, heavyFiltWithErrorEstimate, 2048)
    ->Unit(benchmark::kMillisecond);

}  // namespace
