#include "analysis/view_data.h"

GraphRect defaultPlotRect(CanvasSize canvas)
{
    return GraphRect{static_cast<int>(0.2 * canvas.width), static_cast<int>(0.2 * canvas.height),
                     static_cast<int>(0.6 * canvas.width), static_cast<int>(0.6 * canvas.height)};
}
