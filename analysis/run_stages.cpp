// A run's stages put together: what computing and finishing do for each kind
// of run and each early ending, and the whole run on one thread.
#include "analysis/run_readings.h"
#include "analysis/run_steps.h"

namespace {

// The view takes what the run prepared; the output pane starts empty.
void commitPlan(ViewData& view, AnalysisHooks& hooks, const RunPlan& plan)
{
    view.graphMode = plan.graphMode;
    view.pointCount = 0;
    view.sourceText = plan.sourceText;
    view.sourceCut = plan.sourceCut;
    view.settings = plan.settings;
    hooks.SetCompileOutput("");
    hooks.ResetCodeListing();
    hooks.ClearResultListing();
    clearReadings(view, hooks);
}

}  // namespace

RunOutcome RunBodeAnalysis(ViewData& view, AnalysisHooks& hooks, int useProgram, RunProgress* progress)
{
    return runPlanAtOnce(view, hooks, prepareBodeRun(view, hooks, useProgram), progress);
}

RunOutcome RunFiltAnalysis(ViewData& view, AnalysisHooks& hooks, int useProgram, RunProgress* progress)
{
    return runPlanAtOnce(view, hooks, prepareFiltRun(view, hooks, useProgram), progress);
}

int computeRunPoints(const RunPlan& plan, RunProgress* progress)
{
    if (plan.ending != PlanEnding::Engine)
        return 0;
    return plan.graphMode == GRAPH_BODE ? computeBodePoints(plan, progress) : computeFiltPoints(plan, progress);
}

RunOutcome finishRun(ViewData& view, AnalysisHooks& hooks, const RunPlan& plan, int count)
{
    if (plan.ending == PlanEnding::NoWorkAreas)
        return RUN_FAILED;
    commitPlan(view, hooks, plan);
    switch (plan.ending) {
    case PlanEnding::Failed: return failRun(view, hooks, plan.message);
    case PlanEnding::MissingSetup: return missingSetup(view, hooks, plan.message);
    default: break;
    }
    return plan.graphMode == GRAPH_BODE ? finishBodeRun(view, hooks, plan, count)
                                           : finishFiltRun(view, hooks, plan, count);
}

RunOutcome abandonRun(const RunPlan& plan)
{
    restoreValueCells(plan.cellsBefore);
    return RUN_STOPPED;
}

RunOutcome runPlanAtOnce(ViewData& view, AnalysisHooks& hooks, const RunPlan& plan, RunProgress* progress)
{
    int count = 0;
    if (plan.ending == PlanEnding::Engine) {
        hooks.BeginWaitCursor();
        count = computeRunPoints(plan, progress);
        hooks.EndWaitCursor();
    }
    if (progress && progress->cancelRequested)
        return abandonRun(plan);
    return finishRun(view, hooks, plan, count);
}
