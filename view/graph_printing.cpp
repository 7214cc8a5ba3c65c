#include "view/graph_printing.h"

#include <algorithm>

#include <QPainter>
#include <QPrinter>

#include "view/graph_drawing.h"
#include "view/painter_surface.h"

void printGraph(QPrinter& printer, const ViewData& view, const GraphFonts& fonts, bool showSelection)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    const double scale = std::min(page.width() / view.canvasSize.width,
                                  page.height() / view.canvasSize.height);
    painter.scale(scale, scale);
    PainterSurface surface(painter);
    drawGraph(surface, view, fonts, showSelection);
    painter.end();
}
