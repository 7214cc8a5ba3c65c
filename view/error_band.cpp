#include "view/error_band.h"

#include <cmath>

#include "view/graph_scales.h"
#include "view/plot_point.h"

namespace {

// Light enough that the grid and the curve read through it.
constexpr int kBandAlpha = 64;

QPoint pixel(double x, double y) { return QPoint(truncateToPixel(x), truncateToPixel(y)); }

bool allFinite(const ViewData& view, int count)
{
    for (int i = 0; i < count; ++i)
        if (!std::isfinite(view.timePoints[i].t) || !std::isfinite(view.timePoints[i].level) ||
            !std::isfinite(view.levelErrors[i]))
            return false;
    return true;
}

}  // namespace

void drawErrorBand(DrawingSurface& surface, const ViewData& view)
{
    const int count = validPointCount(view);
    if (!levelErrorsShown(view) || count < 2 || !allFinite(view, count))
        return;
    const TimeScale scale(view.filt, view.plotRect);
    QPolygon band;
    for (int i = 0; i < count; ++i) {
        const TimePoint& point = view.timePoints[i];
        band << pixel(scale.x(point.t), scale.y(point.level + view.levelErrors[i]));
    }
    for (int i = count - 1; i >= 0; --i) {
        const TimePoint& point = view.timePoints[i];
        band << pixel(scale.x(point.t), scale.y(point.level - view.levelErrors[i]));
    }
    surface.intersectClip(view.plotRect);
    surface.fillPolygon(band, view.filt.curveColor, kBandAlpha);
    surface.removeClip();
}
