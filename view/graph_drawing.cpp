#include "view/graph_drawing.h"

#include "view/error_band.h"
#include "view/graph_axes.h"
#include "view/graph_curves.h"
#include "view/graph_handles.h"
#include "view/reading_marks.h"

namespace {

void drawBodeGraph(DrawingSurface& surface, const ViewData& view, const QFont& font)
{
    if (view.bode.linearFreqAxis)
        drawLinearFrequencyAxis(surface, view.bode, view.plotRect, font);
    else
        drawLogFrequencyAxis(surface, view.bode, view.plotRect, font);
    drawGainAxis(surface, view.bode, view.plotRect, font);
    drawPhaseAxis(surface, view.bode, view.plotRect, font);
    drawBodeCurves(surface, view, font);
    drawReadingMarks(surface, view, font);
}

void drawTimeGraph(DrawingSurface& surface, const ViewData& view, const QFont& font)
{
    drawTimeAxes(surface, view.filt, view.plotRect, font);
    drawErrorBand(surface, view);
    drawTimeCurve(surface, view, font);
}

}  // namespace

void drawGraph(DrawingSurface& surface, const ViewData& view, const GraphFonts& fonts,
               bool showSelection)
{
    surface.rectangle(GraphRect{0, 0, view.canvasSize.width, view.canvasSize.height});
    if (view.graphMode == GRAPH_FILT)
        drawTimeGraph(surface, view, fonts.filt);
    else
        drawBodeGraph(surface, view, fonts.bode);
    if (showSelection)
        drawSelectionMarks(surface, view.plotRect);
}

void drawSelectionMarks(DrawingSurface& surface, const GraphRect& plot)
{
    const SurfacePen previous = surface.selectPen(SurfacePen{2, kRed});
    surface.outline(plot);
    for (const QPoint& corner : graphCorners(plot))
        surface.fillRect(handleSquare(corner), kRed);
    surface.selectPen(previous);
}
