#include "view/graph_handles.h"

namespace {

constexpr int kHandleHalf = 5;

}  // namespace

std::array<QPoint, 4> graphCorners(const GraphRect& plot)
{
    return {QPoint(plot.left, plot.top), QPoint(plot.right, plot.top), QPoint(plot.left, plot.bottom),
            QPoint(plot.right, plot.bottom)};
}

GraphRect handleSquare(QPoint corner)
{
    return GraphRect{corner.x() - kHandleHalf, corner.y() - kHandleHalf, corner.x() + kHandleHalf,
                     corner.y() + kHandleHalf};
}

bool containsPoint(const GraphRect& rect, QPoint point)
{
    return rect.left <= point.x() && point.x() < rect.right && rect.top <= point.y() &&
           point.y() < rect.bottom;
}
