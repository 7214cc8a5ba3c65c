#include "view/plot_point.h"

#include <algorithm>
#include <cmath>

namespace {

// How far beyond the graph rectangle points stay exact; anything farther is
// outside the clip region.
constexpr double kNearMargin = 65536.0;
constexpr double kPixelLimit = 1e9;
// Coordinates are held within this before clipping so that differences stay finite.
constexpr double kClipLimit = 1e100;

struct Bounds {
    double left, top, right, bottom;
};

Bounds nearBounds(const GraphRect& plot)
{
    return Bounds{plot.left - kNearMargin, plot.top - kNearMargin, plot.right + kNearMargin,
                  plot.bottom + kNearMargin};
}

// One Liang-Barsky edge test of the line p(t) = a + t * d, t in [t0, t1].
bool clipEdge(double denominator, double numerator, double& t0, double& t1)
{
    if (denominator == 0)
        return numerator >= 0;
    const double t = numerator / denominator;
    if (denominator < 0)
        t0 = std::max(t0, t);
    else
        t1 = std::min(t1, t);
    return t0 <= t1;
}

}  // namespace

bool isFinitePoint(const PlotPoint& point)
{
    return std::isfinite(point.x) && std::isfinite(point.y);
}

int truncateToPixel(double value)
{
    return static_cast<int>(std::clamp(value, -kPixelLimit, kPixelLimit));
}

bool isNearGraph(const PlotPoint& point, const GraphRect& plot)
{
    const Bounds near = nearBounds(plot);
    return near.left <= point.x && point.x <= near.right && near.top <= point.y &&
           point.y <= near.bottom;
}

bool clipNearGraph(PlotPoint& a, PlotPoint& b, const GraphRect& plot)
{
    if (isNearGraph(a, plot) && isNearGraph(b, plot))
        return true;
    const Bounds near = nearBounds(plot);
    for (PlotPoint* end : {&a, &b}) {
        end->x = std::clamp(end->x, -kClipLimit, kClipLimit);
        end->y = std::clamp(end->y, -kClipLimit, kClipLimit);
    }
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    double t0 = 0;
    double t1 = 1;
    if (!clipEdge(-dx, a.x - near.left, t0, t1) || !clipEdge(dx, near.right - a.x, t0, t1) ||
        !clipEdge(-dy, a.y - near.top, t0, t1) || !clipEdge(dy, near.bottom - a.y, t0, t1))
        return false;
    const PlotPoint start = a;
    if (t1 < 1)
        b = PlotPoint{start.x + t1 * dx, start.y + t1 * dy};
    if (t0 > 0)
        a = PlotPoint{start.x + t0 * dx, start.y + t0 * dy};
    return true;
}
