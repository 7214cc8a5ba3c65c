// Points of a curve in canvas pixels, kept in double until drawn: a point
// may lie far outside the graph or not be a number at all (a gain of 0 in
// dB, a frequency of 0 on a logarithmic axis, an axis with equal ends).
#pragma once
#include "analysis/view_data.h"

struct PlotPoint {
    double x = 0;
    double y = 0;
};

// Not finite: the point is left out with the lines to and from it.
bool isFinitePoint(const PlotPoint& point);

// A coordinate truncated toward zero as a pixel, held within the int range.
int truncateToPixel(double value);

// Whether a finite point is near enough to the graph to show anything drawn
// around it (a marker, a number); farther points are clipped away anyway.
bool isNearGraph(const PlotPoint& point, const GraphRect& plot);

// Shortens the line from a to b to the part near the graph, so that its end
// points become pixels without overflow; false when no part is near it.
// Points already near the graph are left exactly as they are.
bool clipNearGraph(PlotPoint& a, PlotPoint& b, const GraphRect& plot);
