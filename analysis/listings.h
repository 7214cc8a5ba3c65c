// The output pane's two lists: the compiled program and the points of the last run.
#pragma once
#include "analysis/listing.h"
#include "analysis/run_hooks.h"
#include "analysis/view_data.h"

// The instructions in workAreas.code, numbered from 0.
Listing codeListing();
// The points of the view's graph mode in its units, numbered from 1; only the
// headers when there are no points, nothing at all for an unknown mode.
Listing resultListing(const ViewData& view);

void FillCodeListing(AnalysisHooks& hooks);
void FillResultListing(const ViewData& view, AnalysisHooks& hooks);
// The result list filled, the code emptied (codeCount 0) and listed, the view repainted.
void RefreshListings(ViewData& view, AnalysisHooks& hooks);
