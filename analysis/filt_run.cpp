#include "analysis/analysis_runs.h"
#include "analysis/axis_scaling.h"
#include "analysis/filt_inverse.h"
#include "analysis/filt_parameter_check.h"
#include "analysis/run_bounds.h"
#include "analysis/run_messages.h"
#include "analysis/run_steps.h"
#include "analysis/settings_readers.h"
#include "lang/workareas.h"

namespace {

constexpr double kLevelSearchStart = 1e24;

bool takeProgramTimeSetup(AnalysisSettings& s)
{
    double start = 0, end = 0, a = 0, b = 0, k1 = 0, k2 = 0;
    int count = 0;
    if (!readTimeSettings(start, end, count, a, b, k1, k2))
        return false;
    s.timeStart = start;
    s.timeEnd = end;
    s.timeCount = count;
    s.filtA = a;
    s.filtB = b;
    s.filtK1 = k1;
    s.filtK2 = k2;
    return true;
}

int runFilt(const AnalysisSettings& s, int probe)
{
    return filtInverse(probe, s.timeStart, s.timeEnd, s.timeCount, s.filtA, s.filtB, s.filtK1, s.filtK2);
}

// Copies the engine's points into the view; the level axis gets their exact
// extremes, the time axis the powers of two around the range.
void takeTimePoints(ViewData& view, int count)
{
    double lmin = kLevelSearchStart;
    double lmax = -kLevelSearchStart;
    for (int i = 0; i < count; ++i) {
        const TimePoint& point = workAreas.filtPoints[i];
        view.timePoints[i] = point;
        if (point.level < lmin)
            lmin = point.level;
        if (point.level > lmax)
            lmax = point.level;
    }
    view.pointCount = count;
    view.filt.levelMax = lmax;
    view.filt.levelMin = lmin;
    scaleTimeAxis(view.filt, view.settings.timeStart, view.settings.timeEnd);
}

void pushToFiltPane(ViewData& view, AnalysisHooks& hooks)
{
    const AnalysisSettings& s = view.settings;
    const FiltDisplaySettings& f = view.filt;
    hooks.SetFiltAnalysisValues(s.timeStart, s.timeEnd, s.timeCount, s.filtA, s.filtB, s.filtK1, s.filtK2);
    hooks.SetFiltGraphValues(f.timeAxisMin, f.timeAxisMax, f.levelMin, f.levelMax);
}

}  // namespace

RunOutcome RunFiltAnalysis(ViewData& view, AnalysisHooks& hooks, int useProgram)
{
    // An empty text compiles to no code and ends at the probe test.
    if (!beginRun(view, hooks, GRAPH_FILT))
        return RUN_FAILED;
    if (!compileSource(view, hooks))
        return RUN_FAILED;
    const int probe = findProbe();
    if (workAreas.codeCount == 0 || probe == kNoProbe)
        return failRun(view, hooks, kFiltNoProbeMessage);
    if (useProgram && !takeProgramTimeSetup(view.settings))
        return missingSetup(view, hooks, kNoTimeSetupMessage);
    boundTimeSetup(view.settings);
    const std::string problem = filtParameterProblem(view.settings);
    if (!problem.empty())
        return failRun(view, hooks, problem);

    hooks.BeginWaitCursor();
    takeTimePoints(view, runFilt(view.settings, probe));
    hooks.RepaintView();
    hooks.EndWaitCursor();
    if (workAreas.divZeroCount != 0)
        return dividedByZero(view, hooks);

    showCleanRun(view, hooks, kFiltCleanMessage);
    pushToFiltPane(view, hooks);
    return RUN_CLEAN;
}
