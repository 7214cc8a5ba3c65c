#include "analysis/run_readings.h"

#include "analysis/bode_readings.h"
#include "analysis/readings_listing.h"

void clearReadings(ViewData& view, AnalysisHooks& hooks)
{
    view.readings = RunReadings{};
    view.errorEstimateTaken = 0;
    if (hooks.TakesReadings())
        hooks.ShowReadings(readingsListing(view));
}

void takeBodeReadings(ViewData& view, AnalysisHooks& hooks, int probe)
{
    if (!hooks.TakesReadings())
        return;
    ProbedFunction h(probe);
    if (h.dependsOnSAlone()) {
        view.readings.state = READINGS_TAKEN;
        view.readings.bode = bodeReadings(view.frequencyPoints.data(), validPointCount(view), h);
    } else {
        view.readings.state = READINGS_NOT_PURE;
    }
    hooks.ShowReadings(readingsListing(view));
}
