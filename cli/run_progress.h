// A run's points computed on a worker thread while brenno-cli shows how far it
// has come on standard error, when that is a terminal.
#pragma once
#include "analysis/analysis_runs.h"

// The number of points, as computeRunPoints gives it. With onTerminal, a run
// that takes longer than a moment shows its percentage on one line, rewritten
// in place and erased at the end.
int computeShowingProgress(const RunPlan& plan, RunProgress& progress, bool onTerminal);
