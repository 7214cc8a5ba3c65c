#include "analysis/run_readings.h"

#include <algorithm>

#include "analysis/bode_readings.h"
#include "analysis/filt_error_estimate.h"
#include "analysis/readings_listing.h"
#include "analysis/step_readings.h"
#include "lang/compiled_code.h"

void clearReadings(ViewData& view, AnalysisHooks& hooks)
{
    view.readings = RunReadings{};
    view.errorEstimateTaken = 0;
    if (hooks.TakesReadings())
        hooks.ShowReadings(readingsListing(view));
}

namespace {

// Readings of a clean run through take, for a program whose value depends on s alone.
template <typename Take>
void takeReadings(ViewData& view, AnalysisHooks& hooks, int probe, Take take)
{
    if (!hooks.TakesReadings())
        return;
    ProbedFunction h(probe);
    if (h.dependsOnSAlone()) {
        view.readings.state = READINGS_TAKEN;
        take(h);
    } else {
        view.readings.state = READINGS_NOT_PURE;
    }
    hooks.ShowReadings(readingsListing(view));
}

}  // namespace

void takeBodeReadings(ViewData& view, AnalysisHooks& hooks, int probe)
{
    takeReadings(view, hooks, probe, [&view](ProbedFunction& h) {
        view.readings.bode = bodeReadings(view.frequencyPoints.data(), validPointCount(view), h);
    });
}

void planLevelErrors(RunPlan& plan)
{
    if (plan.settings.filtErrorEstimate && currentCompiledCode().runsIndependently(plan.probe))
        plan.secondLevels = std::make_shared<std::vector<FiltLevel>>(kResultCapacity);
}

void takeLevelErrors(ViewData& view, const RunPlan& plan)
{
    if (!plan.secondLevels)
        return;
    estimateLevelErrors(view.timePoints.data(), validPointCount(view), view.settings, plan.secondLevels->data(),
                        view.levelErrors.data());
    view.errorEstimateTaken = 1;
}

void takeStepReadings(ViewData& view, AnalysisHooks& hooks, int probe)
{
    takeReadings(view, hooks, probe, [&view](ProbedFunction& h) {
        const int count = validPointCount(view);
        view.readings.step = stepReadings(view.timePoints.data(), count, view.settings, h);
        if (view.errorEstimateTaken)
            view.readings.step.maxErrorEstimate =
                *std::max_element(view.levelErrors.begin(), view.levelErrors.begin() + count);
    });
}
