// The graph filling a saved picture: the largest graph rectangle that leaves
// room on the canvas for every label and title around it.
#pragma once
#include "analysis/view_data.h"
#include "view/drawing_surface.h"
#include "view/graph_fonts.h"

// The graph rectangle for view's canvas, its texts measured on surface (the
// surface the picture is drawn on, so the room fits that picture's fonts).
GraphRect fittedPlotRect(const ViewData& view, const GraphFonts& fonts, DrawingSurface& surface);

// view as a saved picture shows it: with the fitted graph rectangle when
// fitGraphToImage asks for it.
ViewData pictureView(const ViewData& view, const GraphFonts& fonts, DrawingSurface& surface);
