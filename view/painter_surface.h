// The drawing surface over a QPainter: the screen, a printer page, an
// off-screen image, an SVG or PDF file.
#pragma once
#include <QPainter>
#include <QRegion>

#include "view/drawing_surface.h"

class PainterSurface : public DrawingSurface {
public:
    // The painter must be active; it starts with a 1-pixel black pen, a white
    // brush, black text and no antialiasing of lines.
    explicit PainterSurface(QPainter& painter);

    SurfacePen selectPen(const SurfacePen& pen) override;
    QFont selectFont(const QFont& font) override;
    Colorref setTextColor(Colorref colour) override;
    RasterOp setRasterOp(RasterOp op) override;

    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void rectangle(const GraphRect& rect) override;
    void ellipse(const GraphRect& box) override;
    void fillRect(const GraphRect& rect, Colorref colour) override;
    void fillPolygon(const QPolygon& corners, Colorref colour, int alpha) override;
    void outline(const GraphRect& rect) override;

    void textOut(int x, int y, const QString& text) override;
    TextExtent textExtent(const QString& text) override;

    void intersectClip(const GraphRect& rect) override;
    void removeClip() override;

private:
    void applyPen();

    QPainter& painter_;
    SurfacePen pen_;
    Colorref textColour_ = kBlack;
    RasterOp rasterOp_ = RasterOp::Copy;
    QPoint current_;
    bool clipSaved_ = false;
    bool savedClipping_ = false;
    QRegion savedClip_;
};
