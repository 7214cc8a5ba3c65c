#include "view/graph_fit.h"

#include <algorithm>
#include <climits>
#include <utility>

#include "view/graph_drawing.h"

namespace {

// Blank canvas left between the outermost texts and the canvas edge.
constexpr int kCanvasMargin = 10;

// Draws nothing; measures texts on another surface and keeps the box that
// holds every text written outside a clip.
class TextBoundsSurface : public DrawingSurface {
public:
    explicit TextBoundsSurface(DrawingSurface& measure) : measure_(measure) {}

    SurfacePen selectPen(const SurfacePen& pen) override { return std::exchange(pen_, pen); }
    QFont selectFont(const QFont& font) override { return measure_.selectFont(font); }
    Colorref setTextColor(Colorref colour) override { return std::exchange(textColour_, colour); }
    RasterOp setRasterOp(RasterOp op) override { return std::exchange(op_, op); }
    void moveTo(int, int) override {}
    void lineTo(int, int) override {}
    void rectangle(const GraphRect&) override {}
    void ellipse(const GraphRect&) override {}
    void fillRect(const GraphRect&, Colorref) override {}
    void fillPolygon(const QPolygon&, Colorref, int) override {}
    void intersectClip(const GraphRect&) override { clipped_ = true; }
    void removeClip() override { clipped_ = false; }

    TextExtent textExtent(const QString& text) override { return measure_.textExtent(text); }
    void textOut(int x, int y, const QString& text) override
    {
        if (clipped_)
            return;
        const TextExtent extent = textExtent(text);
        bounds_.left = std::min(bounds_.left, x);
        bounds_.top = std::min(bounds_.top, y);
        bounds_.right = std::max(bounds_.right, x + extent.cx);
        bounds_.bottom = std::max(bounds_.bottom, y + extent.cy);
    }

    const GraphRect& bounds() const { return bounds_; }

private:
    DrawingSurface& measure_;
    SurfacePen pen_;
    Colorref textColour_ = kBlack;
    RasterOp op_ = RasterOp::Copy;
    bool clipped_ = false;
    GraphRect bounds_{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
};

}  // namespace

GraphRect fittedPlotRect(const ViewData& view, const GraphFonts& fonts, DrawingSurface& surface)
{
    const CanvasSize canvas = view.canvasSize;
    // Only the axes: the texts around the graph do not depend on its size.
    ViewData axes = view;
    axes.pointCount = 0;
    axes.plotRect = GraphRect{kCanvasMargin, kCanvasMargin, canvas.width - kCanvasMargin,
                              canvas.height - kCanvasMargin};
    TextBoundsSurface bounds(surface);
    drawGraph(bounds, axes, fonts, false);

    const GraphRect& texts = bounds.bounds();
    const GraphRect& first = axes.plotRect;
    return GraphRect{first.left + std::max(0, first.left - texts.left), first.top + std::max(0, first.top - texts.top),
                     first.right - std::max(0, texts.right - first.right),
                     first.bottom - std::max(0, texts.bottom - first.bottom)};
}

ViewData pictureView(const ViewData& view, const GraphFonts& fonts, DrawingSurface& surface)
{
    ViewData picture = view;
    if (view.fitGraphToImage)
        picture.plotRect = fittedPlotRect(view, fonts, surface);
    return picture;
}
