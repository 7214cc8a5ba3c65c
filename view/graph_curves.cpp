#include "view/graph_curves.h"

#include <cmath>

#include "analysis/point_quantities.h"
#include "view/graph_scales.h"
#include "view/plot_point.h"

namespace {

// What each point of a curve carries.
struct CurveStyle {
    int showLines = 0;
    int showMarkers = 0;
    int showNumbers = 0;
    int markerRadius = 0;
};

template <typename Settings>
CurveStyle curveStyle(const Settings& settings)
{
    return CurveStyle{settings.showLines, settings.showMarkers, settings.showNumbers,
                      settings.lineWidth + 2};
}

void drawMarker(DrawingSurface& surface, const PlotPoint& point, int radius, const GraphRect& plot)
{
    if (!isFinitePoint(point) || !isNearGraph(point, plot))
        return;
    const int x = truncateToPixel(point.x);
    const int y = truncateToPixel(point.y);
    surface.ellipse(GraphRect{x - radius, y - radius, x + radius, y + radius});
}

// The piece of a curve from the previous point to the current one: the line,
// a marker at both ends and the current point's number. Points that are not
// finite are left out, with the line to them.
void drawCurveStep(DrawingSurface& surface, const CurveStyle& style, const GraphRect& plot,
                   PlotPoint previous, PlotPoint current, int number)
{
    if (style.showLines && isFinitePoint(previous) && isFinitePoint(current)) {
        PlotPoint from = previous;
        PlotPoint to = current;
        if (clipNearGraph(from, to, plot))
            surface.line(truncateToPixel(from.x), truncateToPixel(from.y), truncateToPixel(to.x),
                         truncateToPixel(to.y));
    }
    if (style.showMarkers) {
        drawMarker(surface, previous, style.markerRadius, plot);
        drawMarker(surface, current, style.markerRadius, plot);
    }
    if (style.showNumbers && isFinitePoint(current) && isNearGraph(current, plot))
        surface.textOut(truncateToPixel(current.x) - style.markerRadius,
                        truncateToPixel(current.y) + style.markerRadius, QString::number(number));
}

// One of the two Bode curves while it is drawn.
struct BodeCurve {
    bool shown;
    SurfacePen pen;
    PlotPoint previous;
};

// The truncation of the drawing rules, kept exact for the drawn points.
double truncated(double value) { return std::isfinite(value) ? std::trunc(value) : value; }

}  // namespace

void drawBodeCurves(DrawingSurface& surface, const ViewData& view, const QFont& font)
{
    const int count = validPointCount(view);
    if (count == 0)
        return;
    const BodeDisplaySettings& bode = view.bode;
    const GraphRect& plot = view.plotRect;
    BodeCurve gain{bode.showGain != 0, SurfacePen{bode.lineWidth, bode.gainColor}, {}};
    BodeCurve phase{bode.showPhase != 0, SurfacePen{bode.lineWidth, bode.phaseColor}, {}};
    SurfaceSelection selection(surface, gain.pen, font, bode.gainColor);
    const BodeScale scale(bode, plot);
    const CurveStyle style = curveStyle(bode);
    // With a linear axis the numbers of both curves keep the gain colour.
    const bool ownNumberColours = !bode.linearFreqAxis;
    auto drawStep = [&](BodeCurve& curve, int index, const PlotPoint& point) {
        if (!curve.shown)
            return;
        if (ownNumberColours)
            surface.setTextColor(curve.pen.colour);
        surface.selectPen(curve.pen);
        if (index > 0)
            drawCurveStep(surface, style, plot, curve.previous, point, index + 1);
        curve.previous = point;
    };

    surface.intersectClip(plot);
    for (int i = 0; i < count; ++i) {
        const FrequencyPoint& point = view.frequencyPoints[i];
        const double x = truncated(scale.x(point.omega));
        drawStep(gain, i, PlotPoint{x, truncated(scale.gainY(linearGain(point)))});
        drawStep(phase, i, PlotPoint{x, truncated(scale.phaseY(phaseRadians(point)))});
    }
    surface.removeClip();
}

void drawTimeCurve(DrawingSurface& surface, const ViewData& view, const QFont& font)
{
    const FiltDisplaySettings& filt = view.filt;
    const GraphRect& plot = view.plotRect;
    SurfaceSelection selection(surface, SurfacePen{filt.lineWidth, filt.curveColor}, font,
                               filt.curveColor);
    const CurveStyle style = curveStyle(filt);
    const TimeScale scale(filt, plot);
    auto pixelOf = [&](const TimePoint& point) {
        return PlotPoint{truncated(scale.x(point.t)), truncated(scale.y(point.level))};
    };
    surface.intersectClip(plot);
    const int count = validPointCount(view);
    for (int j = 0; j + 1 < count; ++j)
        drawCurveStep(surface, style, plot, pixelOf(view.timePoints[j]), pixelOf(view.timePoints[j + 1]),
                      j + 1);
    surface.removeClip();
}
