#include "view/image_export.h"

#include <QFileInfo>
#include <QImageWriter>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include "view/graph_drawing.h"
#include "view/painter_surface.h"

namespace {

enum class ImageKind { Raster, Svg, Pdf };

struct ImageFormat {
    const char* extension;
    ImageKind kind;
    const char* encoder;
};

constexpr ImageFormat kImageFormats[] = {
    {"bmp", ImageKind::Raster, "bmp"},  {"jpg", ImageKind::Raster, "jpeg"},
    {"jpeg", ImageKind::Raster, "jpeg"}, {"png", ImageKind::Raster, "png"},
    {"tif", ImageKind::Raster, "tiff"}, {"tiff", ImageKind::Raster, "tiff"},
    {"svg", ImageKind::Svg, nullptr},   {"pdf", ImageKind::Pdf, nullptr},
};

const ImageFormat* formatOf(const QString& path)
{
    const QString extension = QFileInfo(path).suffix().toLower();
    for (const ImageFormat& format : kImageFormats)
        if (extension == QLatin1String(format.extension))
            return &format;
    return nullptr;
}

void paintCanvas(QPainter& painter, const ViewData& view, const GraphFonts& fonts)
{
    painter.fillRect(QRect(0, 0, view.canvasSize.width, view.canvasSize.height), Qt::white);
    PainterSurface surface(painter);
    drawGraph(surface, view, fonts, false);
}

bool writeRaster(QSaveFile& file, const char* encoder, const ViewData& view, const GraphFonts& fonts)
{
    QImageWriter writer(&file, encoder);
    return writer.write(renderGraphImage(view, fonts));
}

bool writeSvg(QSaveFile& file, const ViewData& view, const GraphFonts& fonts)
{
    const QSize size(view.canvasSize.width, view.canvasSize.height);
    QSvgGenerator generator;
    generator.setOutputDevice(&file);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    QPainter painter;
    if (!painter.begin(&generator))
        return false;
    paintCanvas(painter, view, fonts);
    return painter.end();
}

// One page of the canvas size, one point per canvas pixel.
bool writePdf(QSaveFile& file, const ViewData& view, const GraphFonts& fonts)
{
    QPdfWriter writer(&file);
    writer.setResolution(72);
    writer.setPageSize(
        QPageSize(QSizeF(view.canvasSize.width, view.canvasSize.height), QPageSize::Point));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    paintCanvas(painter, view, fonts);
    return painter.end();
}

bool writeImage(QSaveFile& file, const ImageFormat& format, const ViewData& view,
                const GraphFonts& fonts)
{
    switch (format.kind) {
    case ImageKind::Raster:
        return writeRaster(file, format.encoder, view, fonts);
    case ImageKind::Svg:
        return writeSvg(file, view, fonts);
    case ImageKind::Pdf:
        return writePdf(file, view, fonts);
    }
    return false;
}

}  // namespace

QImage renderGraphImage(const ViewData& view, const GraphFonts& fonts)
{
    QImage image(view.canvasSize.width, view.canvasSize.height, QImage::Format_RGB32);
    QPainter painter(&image);
    paintCanvas(painter, view, fonts);
    return image;
}

ImageStatus saveGraphImage(const QString& path, const ViewData& view, const GraphFonts& fonts)
{
    const ImageFormat* format = formatOf(path);
    if (!format)
        return kImageSaveFailed;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !writeImage(file, *format, view, fonts) || !file.commit())
        return kImageSaveFailed;
    return kImageSaved;
}

QString saveImageFailedText(ImageStatus status)
{
    return QStringLiteral("Save image failed:\n%1").arg(static_cast<quint32>(status), 0, 16);
}
