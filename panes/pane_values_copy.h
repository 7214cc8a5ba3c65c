// What the view takes from a settings pane when an edit there ended: every
// value but the font, in the order the view reads them.
#pragma once
#include "analysis/view_data.h"
#include "panes/bode_pane_values.h"
#include "panes/filt_pane_values.h"

void copyBodePaneValues(const BodePaneValues& pane, ViewData& view);
void copyFiltPaneValues(const FiltPaneValues& pane, ViewData& view);
