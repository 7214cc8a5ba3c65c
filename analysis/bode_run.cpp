#include <cstdint>

#include "analysis/analysis_runs.h"
#include "analysis/axis_scaling.h"
#include "analysis/frequency_sweep.h"
#include "analysis/point_quantities.h"
#include "analysis/run_bounds.h"
#include "analysis/run_messages.h"
#include "analysis/run_readings.h"
#include "analysis/run_steps.h"
#include "analysis/settings_readers.h"
#include "lang/workareas.h"

namespace {

constexpr double kTwoPi = 6.283185307179586;
// Extremes that any gain replaces; equal extremes get a decade of room.
constexpr double kGainSearchStart = 1e24;
constexpr double kFlatGainRoom = 10.0;

bool takeProgramSweep(AnalysisSettings& s)
{
    double start = 0, end = 0;
    int count = 0;
    int16_t inOmega = 0, arithmetic = 0;
    if (!readFreqSettings(start, end, count, inOmega, arithmetic))
        return false;
    s.sweepStart = start;
    s.sweepEnd = end;
    s.sweepCount = count;
    s.sweepInOmega = inOmega;
    s.sweepArithmetic = arithmetic;
    return true;
}

// Copies the engine's points into the view and fits the gain axis to them.
void takeSweepPoints(ViewData& view, int count)
{
    double gmin = kGainSearchStart;
    double gmax = -kGainSearchStart;
    for (int i = 0; i < count; ++i) {
        const FrequencyPoint& point = workAreas.sweepPoints[i];
        view.frequencyPoints[i] = point;
        const double gain = linearGain(point);
        if (gain < gmin)
            gmin = gain;
        if (gain > gmax)
            gmax = gain;
    }
    view.pointCount = count;
    if (!(gmin < gmax))
        gmax = gmin + kFlatGainRoom;
    view.bode.linearGain = view.settings.sweepArithmetic;
    scaleGainAxis(view.bode, gmin, gmax);
    view.bode.radianUnits = view.settings.sweepInOmega;
    view.bode.freqAxisMin = view.settings.sweepStart;
    view.bode.freqAxisMax = view.settings.sweepEnd;
}

void pushToBodePane(ViewData& view, AnalysisHooks& hooks)
{
    const AnalysisSettings& s = view.settings;
    const BodeDisplaySettings& b = view.bode;
    hooks.SetBodeAnalysisValues(s.sweepStart, s.sweepEnd, s.sweepCount, s.sweepInOmega, s.sweepArithmetic);
    hooks.SetBodeGraphValues(b.showGain, b.showPhase, b.freqAxisMin, b.freqAxisMax, b.radianUnits,
                             b.linearFreqAxis, b.dbRef, b.dbDiv, b.linGainMin, b.linGainMax, b.linearGain);
}

}  // namespace

RunPlan prepareBodeRun(ViewData& view, AnalysisHooks& hooks, int useProgram)
{
    RunPlan plan = startPlan(view, hooks, GRAPH_BODE);
    if (plan.ending == PlanEnding::NoWorkAreas)
        return plan;
    if (workAreas.source[0] == '\0')
        return endPlan(plan, PlanEnding::Failed, kEmptyProgramMessage);
    if (!compileSource(plan))
        return plan;
    plan.probe = findProbe();
    if (plan.probe == kNoProbe)
        return endPlan(plan, PlanEnding::Failed, kBodeNoProbeMessage);
    if (useProgram && !takeProgramSweep(plan.settings))
        return endPlan(plan, PlanEnding::MissingSetup, kNoFreqSetupMessage);
    boundSweepSetup(plan.settings);
    return plan;
}

int computeBodePoints(const RunPlan& plan, RunProgress* progress)
{
    const AnalysisSettings& s = plan.settings;
    double x0 = s.sweepStart;
    double x1 = s.sweepEnd;
    if (s.sweepInOmega != 1) {
        x0 *= kTwoPi;
        x1 *= kTwoPi;
    }
    return frequencySweep(plan.probe, x0, x1, s.sweepCount, s.sweepArithmetic != 0 ? 1 : 0, progress);
}

RunOutcome finishBodeRun(ViewData& view, AnalysisHooks& hooks, const RunPlan& plan, int count)
{
    takeSweepPoints(view, count);
    hooks.RepaintView();
    if (workAreas.divZeroCount != 0)
        return dividedByZero(view, hooks);

    showCleanRun(view, hooks, kBodeCleanMessage);
    view.bode.linearFreqAxis = view.settings.sweepArithmetic;
    pushToBodePane(view, hooks);
    takeBodeReadings(view, hooks, plan.probe);
    return RUN_CLEAN;
}
