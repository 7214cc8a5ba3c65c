// The FILT error estimate on the time graph: a band from level - error to
// level + error around the curve, in a see-through tint of the curve colour.
#pragma once
#include "analysis/view_data.h"
#include "view/drawing_surface.h"

// Nothing unless the run estimated the errors and the FILT settings still ask for them.
void drawErrorBand(DrawingSurface& surface, const ViewData& view);
