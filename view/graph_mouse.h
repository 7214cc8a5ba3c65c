// Selecting, moving and resizing the graph rectangle with the left mouse
// button. The view forwards its button and move events with its scroll
// position; while a drag is under way the view paints the rubber band
// outline with drawRubberBand over the graph.
#pragma once
#include <optional>

#include <QPoint>

#include "analysis/view_data.h"
#include "view/drawing_surface.h"

class GraphMouse {
public:
    // Client points are window coordinates; adding the scroll position gives
    // canvas coordinates.
    void press(QPoint client, QPoint scroll, const GraphRect& plot);
    // True while a drag is under way, when the rubber band has to be repainted.
    bool move(QPoint client, QPoint scroll, CanvasSize canvas, const GraphRect& plot);
    // Ends a drag by moving or resizing plot. The view repaints on every release.
    void release(GraphRect& plot);

    // The inverted 2-pixel outline of where the graph would go, if any.
    void drawRubberBand(DrawingSurface& surface) const;
    std::optional<GraphRect> rubberBand() const { return rubberBand_; }

    bool selected() const { return selected_; }
    void deselect() { selected_ = false; }
    bool dragging() const { return dragging_; }
    // 0 moves the graph; 1 to 4 resize it by the top-left, top-right,
    // bottom-left or bottom-right corner.
    int dragCorner() const { return dragCorner_; }

private:
    bool selected_ = false;
    bool dragging_ = false;
    int dragCorner_ = 0;
    QPoint dragAnchor_;
    QPoint dragPoint_;
    std::optional<GraphRect> rubberBand_;
};
