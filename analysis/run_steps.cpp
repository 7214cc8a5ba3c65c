#include "analysis/run_steps.h"

#include <cstring>
#include <utility>

#include "analysis/listings.h"
#include "analysis/run_messages.h"
#include "lang/encoding.h"
#include "lang/parser.h"
#include "lang/source_text.h"
#include "lang/workareas.h"

namespace {

// The work areas belong to the process, the flag to the view: a second view
// (or a test's) finds them held and must not obtain them twice.
bool obtainWorkAreas(ViewData& view, AnalysisHooks& hooks)
{
    if (view.workAreasReady)
        return true;
    if (!workAreasHeld() && allocWorkAreas() != 0) {
        hooks.ShowStopMessage(kWorkAreasFailedMessage);
        return false;
    }
    view.workAreasReady = 1;
    return true;
}

// The run's message in the compile output, with a note when the program was
// too long to be compiled whole.
void showOutcome(const ViewData& view, AnalysisHooks& hooks, const std::string& message)
{
    if (!view.sourceCut) {
        hooks.SetCompileOutput(message);
        return;
    }
    const std::string compiled = std::to_string(std::strlen(workAreas.source));
    const std::string separator = message.empty() || message.back() == '\n' ? "" : "\r\n";
    hooks.SetCompileOutput(message + separator + "note: only the first " + compiled +
                           " bytes of the program were compiled \r\n");
}

}  // namespace

RunPlan startPlan(ViewData& view, AnalysisHooks& hooks, int graphMode)
{
    RunPlan plan;
    plan.graphMode = graphMode;
    plan.settings = view.settings;
    if (!obtainWorkAreas(view, hooks))
        return plan;
    plan.ending = PlanEnding::Engine;
    plan.cellsBefore = saveValueCells();
    resetCompiler();
    plan.sourceText = hooks.EditorText();
    plan.sourceCut = loadSourceText(plan.sourceText) ? 0 : 1;
    return plan;
}

bool compileSource(RunPlan& plan)
{
    compileProgram();
    if (workAreas.errorCount == 0)
        return true;
    endPlan(plan, PlanEnding::Failed, cp932ToUtf8(workAreas.diagnostics));
    return false;
}

RunPlan&& endPlan(RunPlan& plan, PlanEnding ending, std::string message)
{
    plan.ending = ending;
    plan.message = std::move(message);
    return std::move(plan);
}

RunOutcome failRun(ViewData& view, AnalysisHooks& hooks, const std::string& message)
{
    showOutcome(view, hooks, message);
    view.pointCount = 0;
    FillResultListing(view, hooks);
    workAreas.codeCount = 0;
    FillCodeListing(hooks);
    hooks.RepaintView();
    return RUN_FAILED;
}

RunOutcome missingSetup(const ViewData& view, AnalysisHooks& hooks, const std::string& message)
{
    showOutcome(view, hooks, message);
    hooks.RepaintView();
    return RUN_FAILED;
}

RunOutcome dividedByZero(ViewData& view, AnalysisHooks& hooks)
{
    showOutcome(view, hooks, kDividedByZeroMessage);
    RefreshListings(view, hooks);
    return RUN_DIVIDED_BY_ZERO;
}

void showCleanRun(ViewData& view, AnalysisHooks& hooks, const char* message)
{
    showOutcome(view, hooks, message);
    FillCodeListing(hooks);
    FillResultListing(view, hooks);
}
