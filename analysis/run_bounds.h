// The bounds and repair that a run applies to its setup before the engine sees it.
#pragma once
#include "analysis/analysis_settings.h"

// First both ends are bounded to the engine's limits (a value that is not a
// number counts as the lowest), then the range is repaired: a start above the
// end swaps the two, a start equal to the end moves the end up by 100 (sweep)
// or 10 (time), or the start down when the end is at its limit. Every run so
// sweeps a finite, strictly increasing range, and a second run with the
// settings written back gives the same range.
void boundSweepSetup(AnalysisSettings& settings);
void boundTimeSetup(AnalysisSettings& settings);
