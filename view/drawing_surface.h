// What the graph code asks of the surface it draws on: GDI-like pens, fonts,
// text, lines, shapes, clipping and an inverting raster operation, in integer
// canvas pixels with y downward and colours as 0x00BBGGRR.
#pragma once
#include <QFont>
#include <QPolygon>
#include <QString>

#include "analysis/display_settings.h"
#include "analysis/view_data.h"

constexpr Colorref kBlack = 0x000000;
constexpr Colorref kWhite = 0xFFFFFF;
constexpr Colorref kRed = 0x0000FF;

// A solid pen: width in pixels.
struct SurfacePen {
    int width = 1;
    Colorref colour = kBlack;
};

constexpr SurfacePen kThinPen{1, kBlack};
constexpr SurfacePen kThickPen{2, kBlack};

struct TextExtent {
    int cx = 0;
    int cy = 0;
};

enum class RasterOp { Copy, Invert };

class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    // Each selection returns the previous value, which the caller selects again.
    virtual SurfacePen selectPen(const SurfacePen& pen) = 0;
    virtual QFont selectFont(const QFont& font) = 0;
    virtual Colorref setTextColor(Colorref colour) = 0;
    virtual RasterOp setRasterOp(RasterOp op) = 0;

    virtual void moveTo(int x, int y) = 0;
    virtual void lineTo(int x, int y) = 0;
    // Rectangles exclude their right and bottom edges. The outline is drawn
    // in the selected pen; rectangle and ellipse are filled with white.
    virtual void rectangle(const GraphRect& rect) = 0;
    virtual void ellipse(const GraphRect& box) = 0;
    virtual void fillRect(const GraphRect& rect, Colorref colour) = 0;
    // No outline; alpha 0 (clear) to 255 (opaque) lets what lies under show through.
    virtual void fillPolygon(const QPolygon& corners, Colorref colour, int alpha) = 0;

    // (x, y) is the text's top-left corner; the background stays opaque white.
    virtual void textOut(int x, int y, const QString& text) = 0;
    virtual TextExtent textExtent(const QString& text) = 0;

    virtual void intersectClip(const GraphRect& rect) = 0;
    virtual void removeClip() = 0;

    void line(int x1, int y1, int x2, int y2)
    {
        moveTo(x1, y1);
        lineTo(x2, y2);
    }
    // The closed path top-left, top-right, bottom-right, bottom-left, top-left,
    // each pixel of it drawn once (an inverted outline drawn twice is gone).
    virtual void outline(const GraphRect& rect)
    {
        moveTo(rect.left, rect.top);
        lineTo(rect.right, rect.top);
        lineTo(rect.right, rect.bottom);
        lineTo(rect.left, rect.bottom);
        lineTo(rect.left, rect.top);
    }
};

// Selects a pen, a font and a text colour for one drawing step and restores
// the previous ones when the step ends.
class SurfaceSelection {
public:
    SurfaceSelection(DrawingSurface& surface, const SurfacePen& pen, const QFont& font,
                     Colorref textColour)
        : surface_(surface),
          previousPen_(surface.selectPen(pen)),
          previousFont_(surface.selectFont(font)),
          previousTextColour_(surface.setTextColor(textColour))
    {
    }
    ~SurfaceSelection()
    {
        surface_.setTextColor(previousTextColour_);
        surface_.selectFont(previousFont_);
        surface_.selectPen(previousPen_);
    }
    SurfaceSelection(const SurfaceSelection&) = delete;
    SurfaceSelection& operator=(const SurfaceSelection&) = delete;

private:
    DrawingSurface& surface_;
    SurfacePen previousPen_;
    QFont previousFont_;
    Colorref previousTextColour_;
};
