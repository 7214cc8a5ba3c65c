// The repair and bounds that a run applies to its setup before the engine sees it.
#pragma once
#include "analysis/analysis_settings.h"

// A start above the end swaps the two; a start equal to the end moves the end
// up by 100 (sweep) or 10 (time); then the engine limits apply.
void boundSweepSetup(AnalysisSettings& settings);
void boundTimeSetup(AnalysisSettings& settings);
