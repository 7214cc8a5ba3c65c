#include "view/image_export.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "analysis/atomic_file_write.h"

#include "view/graph_drawing.h"
#include "view/graph_fit.h"
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
    drawGraph(surface, pictureView(view, fonts, surface), fonts, false);
}

bool writeRaster(QBuffer& buffer, const char* encoder, const ViewData& view, const GraphFonts& fonts)
{
    QImageWriter writer(&buffer, encoder);
    return writer.write(renderGraphImage(view, fonts));
}

bool writeSvg(QBuffer& buffer, const ViewData& view, const GraphFonts& fonts)
{
    const QSize size(view.canvasSize.width, view.canvasSize.height);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    QPainter painter;
    if (!painter.begin(&generator))
        return false;
    paintCanvas(painter, view, fonts);
    return painter.end();
}

// One page of the canvas size, one point per canvas pixel.
bool writePdf(QBuffer& buffer, const ViewData& view, const GraphFonts& fonts)
{
    QPdfWriter writer(&buffer);
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

bool writeImage(QBuffer& buffer, const ImageFormat& format, const ViewData& view,
                const GraphFonts& fonts)
{
    switch (format.kind) {
    case ImageKind::Raster:
        return writeRaster(buffer, format.encoder, view, fonts);
    case ImageKind::Svg:
        return writeSvg(buffer, view, fonts);
    case ImageKind::Pdf:
        return writePdf(buffer, view, fonts);
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

ImageStatus saveGraphImage(const QString& path, const ViewData& view, const GraphFonts& fonts, QString* reason)
{
    const auto fail = [reason](const QString& why) {
        if (reason)
            *reason = why;
        return kImageSaveFailed;
    };
    const ImageFormat* format = formatOf(path);
    if (!format)
        return fail(QStringLiteral("no image format has the extension \"%1\"").arg(QFileInfo(path).suffix()));
    // The whole image is made in memory first, so the file is only touched once it is complete.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!writeImage(buffer, *format, view, fonts))
        return fail(QStringLiteral("the %1 encoder failed").arg(QString::fromLatin1(format->extension).toUpper()));
    FileWriteFailure failure;
    if (!writeFileAtomically(QFile::encodeName(path).toStdString(), bytes.toStdString(), failure))
        return fail(QString::fromStdString(failure.reason));
    return kImageSaved;
}

QString saveImageFailedText(ImageStatus status)
{
    return QStringLiteral("Save image failed:\n%1").arg(static_cast<quint32>(status), 0, 16);
}
