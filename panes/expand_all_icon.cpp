#include "panes/expand_all_icon.h"

#include <QPainter>
#include <QPixmap>

namespace {

constexpr int kSide = 16;

// The box is paper with a plus in the text colour, whatever the bar; the branches
// are drawn in `branchInk`, which has to stand out from the bar.
QPixmap drawnAt(qreal scale, const QPalette& palette, const QColor& branchInk)
{
    QPixmap pixmap(QSize(kSide, kSide) * scale);
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(palette.color(QPalette::Text));
    painter.setBrush(palette.color(QPalette::Base));
    painter.drawRect(QRectF(1.5, 1.5, 6, 6));
    painter.drawLine(QPointF(3, 4.5), QPointF(6, 4.5));
    painter.drawLine(QPointF(4.5, 3), QPointF(4.5, 6));

    QColor branch = branchInk;
    branch.setAlphaF(0.7);
    painter.setPen(QPen(branch, 1));
    painter.drawLine(QPointF(9, 4.5), QPointF(15, 4.5));
    painter.drawPolyline(QPolygonF{QPointF(4.5, 9), QPointF(4.5, 12.5), QPointF(7.5, 12.5)});
    painter.drawLine(QPointF(9, 12.5), QPointF(15, 12.5));
    return pixmap;
}

}  // namespace

// At rest the branches are in the button text colour of the bar; pointed at, on
// the looks' light hot colour, in the text colour.
QIcon expandAllIcon(const QPalette& palette)
{
    QIcon icon;
    for (qreal scale : {1.0, 2.0}) {
        icon.addPixmap(drawnAt(scale, palette, palette.color(QPalette::ButtonText)), QIcon::Normal);
        icon.addPixmap(drawnAt(scale, palette, palette.color(QPalette::Text)), QIcon::Active);
    }
    return icon;
}
