#include "app/user_images.h"

#include <QFileInfo>
#include <QImage>

const QString kUserImagesFile = QStringLiteral("UserImages.bmp");

namespace {

// Bitmaps without an alpha channel mark their background with light grey.
const QRgb kTransparentColor = qRgb(192, 192, 192);

QImage withTransparentBackground(const QImage& image)
{
    if (image.hasAlphaChannel())
        return image;
    QImage keyed = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < keyed.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x) {
            if ((line[x] & RGB_MASK) == (kTransparentColor & RGB_MASK))
                line[x] = 0;
        }
    }
    return keyed;
}

} // namespace

QList<QPixmap> loadUserImages(const QString& path)
{
    const QFileInfo file(path);
    if (!file.isFile() || file.size() > kMaxUserImagesFileSize)
        return {};
    QImage bitmap;
    if (!bitmap.load(path))
        return {};
    bitmap = withTransparentBackground(bitmap);
    QList<QPixmap> images;
    for (int y = 0; y + kUserImageSize <= bitmap.height(); y += kUserImageSize) {
        for (int x = 0; x + kUserImageSize <= bitmap.width(); x += kUserImageSize) {
            if (images.size() == kMaxUserImages)
                return images;
            images.append(QPixmap::fromImage(bitmap.copy(x, y, kUserImageSize, kUserImageSize)));
        }
    }
    return images;
}
