#include "view/painter_surface.h"

#include <QFontMetrics>
#include <QPolygon>

#include "view/qt_color.h"

namespace {

// Qt strokes a rectangle one pixel beyond its size; GDI keeps the outline
// inside the right and bottom edges.
QRect outlineBox(const GraphRect& rect)
{
    return QRect(rect.left, rect.top, rect.right - rect.left - 1, rect.bottom - rect.top - 1);
}

QRect areaOf(const GraphRect& rect)
{
    return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

}  // namespace

PainterSurface::PainterSurface(QPainter& painter) : painter_(painter)
{
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setBrush(Qt::white);
    painter_.setBackground(Qt::white);
    applyPen();
}

void PainterSurface::applyPen()
{
    QPen pen(toQColor(pen_.colour));
    pen.setWidth(pen_.width);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    painter_.setPen(pen);
}

SurfacePen PainterSurface::selectPen(const SurfacePen& pen)
{
    const SurfacePen previous = pen_;
    pen_ = pen;
    applyPen();
    return previous;
}

QFont PainterSurface::selectFont(const QFont& font)
{
    const QFont previous = painter_.font();
    painter_.setFont(font);
    return previous;
}

Colorref PainterSurface::setTextColor(Colorref colour)
{
    const Colorref previous = textColour_;
    textColour_ = colour;
    return previous;
}

RasterOp PainterSurface::setRasterOp(RasterOp op)
{
    const RasterOp previous = rasterOp_;
    rasterOp_ = op;
    painter_.setCompositionMode(op == RasterOp::Invert ? QPainter::RasterOp_NotDestination
                                                       : QPainter::CompositionMode_SourceOver);
    return previous;
}

void PainterSurface::moveTo(int x, int y)
{
    current_ = QPoint(x, y);
}

void PainterSurface::lineTo(int x, int y)
{
    const QPoint to(x, y);
    painter_.drawLine(current_, to);
    current_ = to;
}

void PainterSurface::rectangle(const GraphRect& rect)
{
    painter_.drawRect(outlineBox(rect));
}

void PainterSurface::ellipse(const GraphRect& box)
{
    painter_.drawEllipse(outlineBox(box));
}

void PainterSurface::fillRect(const GraphRect& rect, Colorref colour)
{
    painter_.fillRect(areaOf(rect), toQColor(colour));
}

void PainterSurface::fillPolygon(const QPolygon& corners, Colorref colour, int alpha)
{
    QColor fill = toQColor(colour);
    fill.setAlpha(alpha);
    painter_.save();
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(fill);
    painter_.drawPolygon(corners);
    painter_.restore();
}

void PainterSurface::outline(const GraphRect& rect)
{
    const QPolygon corners({QPoint(rect.left, rect.top), QPoint(rect.right, rect.top),
                            QPoint(rect.right, rect.bottom), QPoint(rect.left, rect.bottom)});
    const QBrush brush = painter_.brush();
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPolygon(corners);
    painter_.setBrush(brush);
    current_ = QPoint(rect.left, rect.top);
}

void PainterSurface::textOut(int x, int y, const QString& text)
{
    const TextExtent extent = textExtent(text);
    const QRect box(x, y, extent.cx, extent.cy);
    painter_.fillRect(box, Qt::white);
    const QPen pen = painter_.pen();
    painter_.setPen(toQColor(textColour_));
    painter_.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip,
                      text);
    painter_.setPen(pen);
}

TextExtent PainterSurface::textExtent(const QString& text)
{
    const QFontMetrics metrics = painter_.fontMetrics();
    return TextExtent{metrics.horizontalAdvance(text), metrics.height()};
}

void PainterSurface::intersectClip(const GraphRect& rect)
{
    if (!clipSaved_) {
        savedClipping_ = painter_.hasClipping();
        savedClip_ = painter_.clipRegion();
        clipSaved_ = true;
    }
    painter_.setClipRect(areaOf(rect), Qt::IntersectClip);
}

void PainterSurface::removeClip()
{
    if (!clipSaved_)
        return;
    painter_.setClipRegion(savedClip_);
    painter_.setClipping(savedClipping_);
    clipSaved_ = false;
}
