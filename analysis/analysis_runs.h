// The two analysis commands: program text to stored results, scaled axes,
// the outcome message and the listings, through the GUI hooks.
//
// A run goes in three stages. Preparing compiles the program and settles the
// setup; computing runs the engine over the work areas and nothing else, so
// it may run on a worker thread while the window goes on; finishing commits
// the results to the view and shows them. Only the finish changes the view,
// the output pane and the settings panes: a run stopped while it computes
// leaves them all as they were.
#pragma once
#include "analysis/evaluation_engine.h"
#include "analysis/run_hooks.h"
#include "analysis/run_plan.h"
#include "analysis/view_data.h"

// How a run ended; the GUI may ignore it, the batch command turns it into its exit status.
enum RunOutcome {
    RUN_CLEAN,              // "syntax: OK"
    RUN_DIVIDED_BY_ZERO,    // points kept, "error: divided with Zero"
    RUN_FAILED,             // no points: no work areas, compile errors, no probe, no setup
    RUN_STOPPED,            // stopped while computing: nothing changed
};

// The whole run at once on the calling thread; with progress, it can be
// followed and stopped from another thread. useProgram 1 takes the setup from
// the program's FREQ/OMEGA (Bode) or TIME and FILT (FILT) statements instead
// of view.settings.
RunOutcome RunBodeAnalysis(ViewData& view, AnalysisHooks& hooks, int useProgram,
                           RunProgress* progress = nullptr);
RunOutcome RunFiltAnalysis(ViewData& view, AnalysisHooks& hooks, int useProgram,
                           RunProgress* progress = nullptr);

// The stages one by one. Preparing and finishing call the hooks and belong on
// the GUI thread; preparing reads the editor and may show the message box
// about the work areas, but changes nothing else that the user sees.
RunPlan prepareBodeRun(ViewData& view, AnalysisHooks& hooks, int useProgram);
RunPlan prepareFiltRun(ViewData& view, AnalysisHooks& hooks, int useProgram);
// The number of points, valid unless a stop was requested. Touches only the
// work areas (and the engine's own threads).
int computeRunPoints(const RunPlan& plan, RunProgress* progress);
RunOutcome finishRun(ViewData& view, AnalysisHooks& hooks, const RunPlan& plan, int count);
// Instead of finishing a stopped run: the work areas' value cells as they were.
RunOutcome abandonRun(const RunPlan& plan);

// Prepared, then computed and finished on the calling thread, the wait cursor
// shown while the engine runs.
RunOutcome runPlanAtOnce(ViewData& view, AnalysisHooks& hooks, const RunPlan& plan, RunProgress* progress);
