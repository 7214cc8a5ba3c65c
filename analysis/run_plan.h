// What a run settles before its engine runs: the program compiled into the
// work areas and the setup to compute, or the way the run ends without its
// engine. The view is not touched until the run finishes.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "analysis/analysis_settings.h"
#include "analysis/filt_level_at.h"
#include "analysis/view_data.h"
#include "lang/value_cells.h"

enum class PlanEnding {
    NoWorkAreas,   // reported already; nothing changes
    Failed,        // the message, then an empty graph with the result headers and no code
    MissingSetup,  // the message and a repaint; the listings stay cleared
    Engine,        // the engine computes the points
};

struct RunPlan {
    int graphMode = GRAPH_BODE;
    PlanEnding ending = PlanEnding::NoWorkAreas;
    std::string message;         // for Failed and MissingSetup
    std::string sourceText;      // the editor's text the run compiled
    int sourceCut = 0;           // 1: only its start fitted the source buffer
    AnalysisSettings settings;   // the view's, with the program's setup and the bounds applied
    int probe = kNoProbe;
    ValueCells cellsBefore;      // put back when the run is stopped
    // The FILT error estimate's second inversion, one level a point: made
    // when the settings ask for the estimate and the program's value depends
    // on s alone, filled while the run computes.
    std::shared_ptr<std::vector<FiltLevel>> secondLevels;
};
