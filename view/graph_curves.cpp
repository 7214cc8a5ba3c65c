#include "view/graph_curves.h"

#include <cmath>

#include "analysis/point_quantities.h"
#include "view/plot_point.h"

namespace {

constexpr double kTwoPi = 6.283185307179586;
// The phase axis spans 450 degrees from its bottom edge.
constexpr double kPhaseSpan = 7.853981633974483;
constexpr double kPhaseBottom[2] = {-7.0685834705770345, -3.9269908169872414};

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

int width(const GraphRect& plot) { return plot.right - plot.left; }
int height(const GraphRect& plot) { return plot.bottom - plot.top; }

double log10Of(double value) { return std::log(value) / std::log(10.0); }

// Maps angular frequency, gain and phase of a sweep point into the graph.
class BodeScale {
public:
    BodeScale(const BodeDisplaySettings& bode, const GraphRect& plot) : bode_(bode), plot_(plot)
    {
        const double unit = bode.radianUnits ? 1.0 : kTwoPi;
        freqMin_ = bode.freqAxisMin * unit;
        freqMax_ = bode.freqAxisMax * unit;
        if (bode.linearGain) {
            gainLow_ = bode.linGainMin;
            gainSpan_ = bode.linGainMax - bode.linGainMin;
        } else {
            gainSpan_ = 10 * bode.dbDiv;
            gainLow_ = bode.dbRef - gainSpan_;
        }
        phaseBottom_ = kPhaseBottom[bode.phaseRange ? 1 : 0];
    }

    double x(double omega) const
    {
        if (bode_.linearFreqAxis)
            return (omega - freqMin_) * width(plot_) / (freqMax_ - freqMin_) + plot_.left;
        return (log10Of(omega) - log10Of(freqMin_)) * width(plot_) /
                   (log10Of(freqMax_) - log10Of(freqMin_)) +
               plot_.left;
    }

    double gainY(const FrequencyPoint& point) const
    {
        const double gain = linearGain(point);
        const double shown = bode_.linearGain ? gain : 20 * std::log(gain) / std::log(10.0);
        return plot_.bottom - (shown - gainLow_) * height(plot_) / gainSpan_;
    }

    double phaseY(const FrequencyPoint& point) const
    {
        double phase = phaseRadians(point);
        if (!bode_.phaseRange && phase > 0)
            phase -= kTwoPi;
        return plot_.bottom - (phase - phaseBottom_) * height(plot_) / kPhaseSpan;
    }

private:
    const BodeDisplaySettings& bode_;
    const GraphRect& plot_;
    double freqMin_ = 0;
    double freqMax_ = 0;
    double gainLow_ = 0;
    double gainSpan_ = 0;
    double phaseBottom_ = 0;
};

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
        drawStep(gain, i, PlotPoint{x, truncated(scale.gainY(point))});
        drawStep(phase, i, PlotPoint{x, truncated(scale.phaseY(point))});
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
    auto pixelOf = [&](const TimePoint& point) {
        return PlotPoint{
            truncated((point.t - filt.timeAxisMin) * width(plot) / (filt.timeAxisMax - filt.timeAxisMin) +
                      plot.left),
            truncated(plot.bottom -
                      (point.level - filt.levelMin) * height(plot) / (filt.levelMax - filt.levelMin))};
    };
    surface.intersectClip(plot);
    const int count = validPointCount(view);
    for (int j = 0; j + 1 < count; ++j)
        drawCurveStep(surface, style, plot, pixelOf(view.timePoints[j]), pixelOf(view.timePoints[j + 1]),
                      j + 1);
    surface.removeClip();
}
