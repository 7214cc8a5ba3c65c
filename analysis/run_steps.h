// The steps that the Bode and FILT runs share.
#pragma once
#include <string>

#include "analysis/analysis_runs.h"

// Obtains the work areas if needed, sets the graph mode, empties the results,
// the compiler and the output pane, and loads the editor's text into the
// source buffer. false: the work areas could not be obtained (already reported).
bool beginRun(ViewData& view, AnalysisHooks& hooks, int graphMode);

// Compiles the source buffer; false after errors, which are shown and end the run.
bool compileSource(ViewData& view, AnalysisHooks& hooks);

// Shows message and ends with an empty graph, the result headers and no code.
RunOutcome failRun(ViewData& view, AnalysisHooks& hooks, const std::string& message);

// The program was asked for a setup it does not hold: message, repaint, nothing more.
RunOutcome missingSetup(const ViewData& view, AnalysisHooks& hooks, const char* message);

// The points stay and are drawn; the code is dropped and the pane not updated.
RunOutcome dividedByZero(ViewData& view, AnalysisHooks& hooks);

// Message and both listings after a run without faults.
void showCleanRun(ViewData& view, AnalysisHooks& hooks, const char* message);
