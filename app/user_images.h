// Button images for user toolbars, cut from an optional bitmap of 16 x 16 tiles.
#pragma once
#include <QList>
#include <QPixmap>
#include <QString>

constexpr qint64 kMaxUserImagesFileSize = 819200;
constexpr int kUserImageSize = 16;

// The file looked for in the working directory at start.
extern const QString kUserImagesFile;

// The tiles of the bitmap, row by row, left to right. A file that is missing,
// larger than kMaxUserImagesFileSize or unreadable gives no images.
QList<QPixmap> loadUserImages(const QString& path);
