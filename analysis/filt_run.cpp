#include "analysis/analysis_runs.h"
#include "analysis/axis_scaling.h"
#include "analysis/filt_inverse.h"
#include "analysis/filt_parameter_check.h"
#include "analysis/filt_second_inversion.h"
#include "analysis/run_bounds.h"
#include "analysis/run_messages.h"
#include "analysis/run_readings.h"
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

// An empty text compiles to no code and ends at the probe test.
RunPlan prepareFiltRun(ViewData& view, AnalysisHooks& hooks, int useProgram)
{
    RunPlan plan = startPlan(view, hooks, GRAPH_FILT);
    if (plan.ending == PlanEnding::NoWorkAreas)
        return plan;
    if (!compileSource(plan))
        return plan;
    plan.probe = findProbe();
    if (workAreas.codeCount == 0 || plan.probe == kNoProbe)
        return endPlan(plan, PlanEnding::Failed, kFiltNoProbeMessage);
    if (useProgram && !takeProgramTimeSetup(plan.settings))
        return endPlan(plan, PlanEnding::MissingSetup, kNoTimeSetupMessage);
    boundTimeSetup(plan.settings);
    const std::string problem = filtParameterProblem(plan.settings);
    if (!problem.empty())
        return endPlan(plan, PlanEnding::Failed, problem);
    planLevelErrors(plan);
    return plan;
}

int computeFiltPoints(const RunPlan& plan, RunProgress* progress)
{
    const AnalysisSettings& s = plan.settings;
    if (!plan.secondLevels)
        return filtInverse(plan.probe, s.timeStart, s.timeEnd, s.timeCount, s.filtA, s.filtB, s.filtK1, s.filtK2,
                           progress);
    SecondInversionPlan second(filtStoredPoints(s.timeCount), secondInversionParameters(s),
                               plan.secondLevels->data());
    return filtInverse(plan.probe, s.timeStart, s.timeEnd, s.timeCount, s.filtA, s.filtB, s.filtK1, s.filtK2,
                       progress, &second);
}

RunOutcome finishFiltRun(ViewData& view, AnalysisHooks& hooks, const RunPlan& plan, int count)
{
    takeTimePoints(view, count);
    hooks.RepaintView();
    if (workAreas.divZeroCount != 0)
        return dividedByZero(view, hooks);

    takeLevelErrors(view, plan);
    showCleanRun(view, hooks, kFiltCleanMessage);
    pushToFiltPane(view, hooks);
    takeStepReadings(view, hooks, plan.probe);
    return RUN_CLEAN;
}
