// A drawing surface that records what the graph code draws, with fixed text
// metrics (6 pixels a character, 12 high) so positions can be checked exactly.
#pragma once
#include <utility>
#include <vector>

#include <QFont>
#include <QString>
#include <QStringList>

#include "view/drawing_surface.h"

class RecordingSurface : public DrawingSurface {
public:
    static constexpr int kCharWidth = 6;
    static constexpr int kTextHeight = 12;

    struct Text {
        QString text;
        int x, y;
        Colorref colour;
        bool clipped;
    };
    struct Line {
        int x1, y1, x2, y2;
        SurfacePen pen;
        RasterOp op;
        bool clipped;
    };
    struct Shape {
        GraphRect box;
        SurfacePen pen;
        bool clipped;
    };
    struct Fill {
        GraphRect rect;
        Colorref colour;
    };
    struct Polygon {
        QPolygon corners;
        Colorref colour;
        int alpha;
        bool clipped;
    };

    std::vector<Text> texts;
    std::vector<Line> lines;
    std::vector<Shape> ellipses;
    std::vector<Shape> rectangles;
    std::vector<Fill> fills;
    std::vector<Polygon> polygons;

    SurfacePen pen;
    QFont font;
    Colorref textColour = kBlack;
    RasterOp op = RasterOp::Copy;
    bool clipped = false;
    GraphRect clip;

    SurfacePen selectPen(const SurfacePen& p) override { return std::exchange(pen, p); }
    QFont selectFont(const QFont& f) override { return std::exchange(font, f); }
    Colorref setTextColor(Colorref c) override { return std::exchange(textColour, c); }
    RasterOp setRasterOp(RasterOp o) override { return std::exchange(op, o); }

    void moveTo(int x, int y) override { x_ = x, y_ = y; }
    void lineTo(int x, int y) override
    {
        lines.push_back(Line{x_, y_, x, y, pen, op, clipped});
        moveTo(x, y);
    }
    void rectangle(const GraphRect& rect) override { rectangles.push_back(Shape{rect, pen, clipped}); }
    void ellipse(const GraphRect& box) override { ellipses.push_back(Shape{box, pen, clipped}); }
    void fillRect(const GraphRect& rect, Colorref colour) override { fills.push_back(Fill{rect, colour}); }
    void fillPolygon(const QPolygon& corners, Colorref colour, int alpha) override
    {
        polygons.push_back(Polygon{corners, colour, alpha, clipped});
    }

    void textOut(int x, int y, const QString& text) override
    {
        texts.push_back(Text{text, x, y, textColour, clipped});
    }
    TextExtent textExtent(const QString& text) override
    {
        return TextExtent{kCharWidth * static_cast<int>(text.size()), kTextHeight};
    }

    void intersectClip(const GraphRect& rect) override
    {
        clipped = true;
        clip = rect;
    }
    void removeClip() override { clipped = false; }

    // The texts written in one colour, in order.
    QStringList textsIn(Colorref colour) const
    {
        QStringList result;
        for (const Text& t : texts)
            if (t.colour == colour)
                result << t.text;
        return result;
    }
    const Text* findText(const QString& text) const
    {
        for (const Text& t : texts)
            if (t.text == text)
                return &t;
        return nullptr;
    }

private:
    int x_ = 0;
    int y_ = 0;
};
