// Button images for user toolbars, cut from an optional bitmap of 16 x 16 tiles.
#pragma once
#include <QList>
#include <QPixmap>
#include <QString>

constexpr qint64 kMaxUserImagesFileSize = 819200;
constexpr int kUserImageSize = 16;
// More tiles than an uncompressed bitmap of the largest size holds; a
// compressed one claiming a huge picture gives no more.
constexpr int kMaxUserImages = 2048;

// The file looked for in the working directory at start.
extern const QString kUserImagesFile;

// The tiles of the bitmap, row by row, left to right, kMaxUserImages at most.
// A file that is missing, larger than kMaxUserImagesFileSize or unreadable
// gives no images.
QList<QPixmap> loadUserImages(const QString& path);
