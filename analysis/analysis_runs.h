// The two analysis commands: program text to stored results, scaled axes,
// the outcome message and the listings, through the GUI hooks.
#pragma once
#include "analysis/run_hooks.h"
#include "analysis/view_data.h"

// How a run ended; the GUI may ignore it, the batch command turns it into its exit status.
enum RunOutcome {
    RUN_CLEAN,              // "syntax: OK"
    RUN_DIVIDED_BY_ZERO,    // points kept, "error: divided with Zero"
    RUN_FAILED,             // no points: no work areas, compile errors, no probe, no setup
};

// useProgram 1 takes the setup from the program's FREQ/OMEGA (Bode) or TIME
// and FILT (FILT) statements instead of view.settings.
RunOutcome RunBodeAnalysis(ViewData& view, AnalysisHooks& hooks, int useProgram);
RunOutcome RunFiltAnalysis(ViewData& view, AnalysisHooks& hooks, int useProgram);
