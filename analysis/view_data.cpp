#include "analysis/view_data.h"

#include <algorithm>

GraphRect defaultPlotRect(CanvasSize canvas)
{
    return GraphRect{static_cast<int>(0.2 * canvas.width), static_cast<int>(0.2 * canvas.height),
                     static_cast<int>(0.6 * canvas.width), static_cast<int>(0.6 * canvas.height)};
}

int validPointCount(const ViewData& view)
{
    return std::clamp(view.pointCount, 0, kResultCapacity);
}

bool levelErrorsShown(const ViewData& view)
{
    return view.graphMode == GRAPH_FILT && view.errorEstimateTaken && view.settings.filtErrorEstimate;
}
