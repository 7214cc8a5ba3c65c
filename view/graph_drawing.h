// One paint of the graph: the canvas, the axes and curves of the shown graph
// and, on screen, the selection marks. The screen, the printer and the image
// export all draw through here, in canvas coordinates.
#pragma once
#include "analysis/view_data.h"
#include "view/drawing_surface.h"
#include "view/graph_fonts.h"

void drawGraph(DrawingSurface& surface, const ViewData& view, const GraphFonts& fonts,
               bool showSelection);

// The red outline of the graph rectangle and a red square on each corner.
void drawSelectionMarks(DrawingSurface& surface, const GraphRect& plot);
