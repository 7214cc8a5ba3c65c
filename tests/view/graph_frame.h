// Where a saved picture shows the graph's frame: its left and right edge on
// the middle row (the outermost black inside the canvas outline, the curves
// being red and blue), its top and bottom as the unbroken black line of its
// left edge.
#pragma once
#include <QImage>
#include <QRect>

inline bool isBlack(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 32; }

inline QRect graphFrame(const QImage& image)
{
    const int middle = image.height() / 2;
    int left = -1;
    int right = -1;
    for (int x = 1; x < image.width() - 1; ++x) {
        if (!isBlack(image, x, middle))
            continue;
        left = left < 0 ? x : left;
        right = x;
    }
    if (left < 0)
        return QRect();
    int top = middle;
    int bottom = middle;
    while (top > 1 && isBlack(image, left, top - 1))
        --top;
    while (bottom < image.height() - 2 && isBlack(image, left, bottom + 1))
        ++bottom;
    return QRect(QPoint(left, top), QPoint(right, bottom));
}
