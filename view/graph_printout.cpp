#include "view/graph_printout.h"

#include <algorithm>

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include "analysis/atomic_file_write.h"
#include "view/graph_drawing.h"
#include "view/painter_surface.h"

namespace {

// Like a saved image, the printout leaves out the selection marks.
bool paintPage(QPaintDevice& device, const QRectF& page, const ViewData& view, const GraphFonts& fonts)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const CanvasSize canvas = view.canvasSize;
    const qreal scale = std::min(page.width() / canvas.width, page.height() / canvas.height);
    painter.scale(scale, scale);
    PainterSurface surface(painter);
    drawGraph(surface, view, fonts, false);
    return painter.end();
}

bool printsIntoFile(const QPrinter& printer)
{
    return printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
}

// The same page as the printer's, in a PDF made in memory.
bool printIntoFile(const QPrinter& printer, const ViewData& view, const GraphFonts& fonts, QString& failure)
{
    const QString path = printer.outputFileName();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPdfVersion(printer.pdfVersion());
    writer.setResolution(printer.resolution());
    writer.setPageLayout(printer.pageLayout());
    writer.setCreator(printer.creator());
    writer.setTitle(printer.docName());
    if (!paintPage(writer, writer.pageLayout().paintRectPixels(writer.resolution()), view, fonts)) {
        failure = QStringLiteral("Couldn't print to %1: the PDF could not be made").arg(path);
        return false;
    }
    FileWriteFailure written;
    if (!writeFileAtomically(QFile::encodeName(path).toStdString(), bytes.toStdString(), written)) {
        failure = QStringLiteral("Couldn't write %1: %2").arg(path, QString::fromStdString(written.reason));
        return false;
    }
    return true;
}

}  // namespace

bool printGraph(QPrinter& printer, const ViewData& view, const GraphFonts& fonts, QString& failure)
{
    if (printsIntoFile(printer))
        return printIntoFile(printer, view, fonts, failure);
    if (paintPage(printer, printer.pageRect(QPrinter::DevicePixel), view, fonts))
        return true;
    failure = QStringLiteral("Couldn't print to %1").arg(printer.printerName());
    return false;
}
