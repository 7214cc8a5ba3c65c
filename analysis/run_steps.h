// The steps that the Bode and FILT runs share, and the stages of each kind.
#pragma once
#include <string>

#include "analysis/analysis_runs.h"

// Preparing. A plan with the work areas obtained, the compiler reset and the
// editor's text in the source buffer; ending NoWorkAreas when the areas could
// not be obtained (already reported).
RunPlan startPlan(ViewData& view, AnalysisHooks& hooks, int graphMode);
// Compiles the source buffer; false after errors, which end the plan.
bool compileSource(RunPlan& plan);
// The plan ends without its engine; handed on as the caller's result.
RunPlan&& endPlan(RunPlan& plan, PlanEnding ending, std::string message);

// Computing, one kind each.
int computeBodePoints(const RunPlan& plan, RunProgress* progress);
int computeFiltPoints(const RunPlan& plan, RunProgress* progress);

// Finishing, once the plan is committed to the view and the output pane
// cleared; the plan gives the readings what they need.
RunOutcome finishBodeRun(ViewData& view, AnalysisHooks& hooks, const RunPlan& plan, int count);
RunOutcome finishFiltRun(ViewData& view, AnalysisHooks& hooks, const RunPlan& plan, int count);

// Shows message and ends with an empty graph, the result headers and no code.
RunOutcome failRun(ViewData& view, AnalysisHooks& hooks, const std::string& message);

// The program was asked for a setup it does not hold: message, repaint, nothing more.
RunOutcome missingSetup(const ViewData& view, AnalysisHooks& hooks, const std::string& message);

// The points stay and are drawn; the code is dropped and the pane not updated.
RunOutcome dividedByZero(ViewData& view, AnalysisHooks& hooks);

// Message and both listings after a run without faults.
void showCleanRun(ViewData& view, AnalysisHooks& hooks, const char* message);
