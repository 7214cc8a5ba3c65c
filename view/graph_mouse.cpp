#include "view/graph_mouse.h"

#include <algorithm>

#include "view/graph_handles.h"

namespace {

// A dragged corner or a moved graph keeps this far from the canvas edges.
constexpr int kMargin = 5;

GraphRect spanned(QPoint a, QPoint b)
{
    return GraphRect{std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::max(a.x(), b.x()),
                     std::max(a.y(), b.y())};
}

GraphRect movedBy(const GraphRect& rect, QPoint offset)
{
    return GraphRect{rect.left + offset.x(), rect.top + offset.y(), rect.right + offset.x(),
                     rect.bottom + offset.y()};
}

QPoint clampedToMargins(QPoint point, CanvasSize canvas)
{
    const int x = std::min(std::max(point.x(), kMargin), canvas.width - kMargin);
    const int y = std::min(std::max(point.y(), kMargin), canvas.height - kMargin);
    return QPoint(x, y);
}

// The offset that moves plot by at most offset and keeps it inside the margins,
// testing left, right, top, bottom in turn.
QPoint offsetInsideMargins(const GraphRect& plot, QPoint offset, CanvasSize canvas)
{
    int dx = offset.x();
    int dy = offset.y();
    if (plot.left + dx < kMargin)
        dx = kMargin - plot.left;
    if (plot.right + dx > canvas.width - kMargin)
        dx = canvas.width - kMargin - plot.right;
    if (plot.top + dy < kMargin)
        dy = kMargin - plot.top;
    if (plot.bottom + dy > canvas.height - kMargin)
        dy = canvas.height - kMargin - plot.bottom;
    return QPoint(dx, dy);
}

// The corner that stays put while corner 1 to 4 is dragged.
QPoint oppositeCorner(const GraphRect& plot, int corner)
{
    return graphCorners(plot)[static_cast<size_t>(4 - corner)];
}

}  // namespace

void GraphMouse::press(QPoint client, QPoint scroll, const GraphRect& plot)
{
    const QPoint pressed = client + scroll;
    dragCorner_ = 0;
    const auto corners = graphCorners(plot);
    for (size_t i = 0; i < corners.size(); ++i)
        if (containsPoint(handleSquare(corners[i]), pressed))
            dragCorner_ = static_cast<int>(i) + 1;
    if (dragCorner_ == 0 && !containsPoint(plot, pressed)) {
        selected_ = false;
        return;
    }
    // A corner grabbed on an unselected graph resizes it as on a selected one.
    dragAnchor_ = dragCorner_ == 0 ? pressed : oppositeCorner(plot, dragCorner_);
    selected_ = true;
    dragPoint_ = pressed;
    dragging_ = true;
    rubberBand_.reset();
}

bool GraphMouse::move(QPoint client, QPoint scroll, CanvasSize canvas, const GraphRect& plot)
{
    if (!dragging_ || !selected_)
        return false;
    const QPoint current = clampedToMargins(client + scroll, canvas);
    if (dragCorner_ != 0) {
        rubberBand_ = spanned(dragAnchor_, current);
        dragPoint_ = current;
    } else {
        const QPoint offset = offsetInsideMargins(plot, current - dragAnchor_, canvas);
        rubberBand_ = movedBy(plot, offset);
        dragPoint_ = dragAnchor_ + offset;
    }
    return true;
}

void GraphMouse::release(GraphRect& plot)
{
    if (dragging_ && selected_) {
        if (dragCorner_ != 0)
            plot = spanned(dragAnchor_, dragPoint_);
        else
            plot = movedBy(plot, dragPoint_ - dragAnchor_);
    }
    dragging_ = false;
    rubberBand_.reset();
}

void GraphMouse::drawRubberBand(DrawingSurface& surface) const
{
    if (!rubberBand_)
        return;
    const SurfacePen previousPen = surface.selectPen(kThickPen);
    const RasterOp previousOp = surface.setRasterOp(RasterOp::Invert);
    surface.outline(*rubberBand_);
    surface.setRasterOp(previousOp);
    surface.selectPen(previousPen);
}
