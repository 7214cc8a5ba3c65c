// Readings taken at the end of a clean run, beside its points: they add
// evaluations of the program but change nothing the run shows or leaves.
#pragma once
#include "analysis/run_hooks.h"
#include "analysis/run_plan.h"
#include "analysis/view_data.h"

// At the start of every run: no readings, an empty readings list.
void clearReadings(ViewData& view, AnalysisHooks& hooks);

// Margins, bandwidth and peak of the view's sweep, when the hooks take readings.
void takeBodeReadings(ViewData& view, AnalysisHooks& hooks, int probe);

// Each level's error estimate, when the FILT settings ask for it and the
// program's value depends on s alone: planned with the run, its second
// inversion computed with the run's points, taken before the listings are
// filled (the graph-data list and the CSV show it).
void planLevelErrors(RunPlan& plan);
void takeLevelErrors(ViewData& view, const RunPlan& plan);

// Final value, rise, overshoot, peak and settling of the view's time points,
// with the largest error estimate when there is one.
void takeStepReadings(ViewData& view, AnalysisHooks& hooks, int probe);
