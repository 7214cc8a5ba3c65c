#include "app/auto_hide_side_bar.h"

#include <QBoxLayout>
#include <QDockWidget>
#include <QPainter>

namespace {

constexpr int kIconSide = 16;
constexpr int kPadding = 4;

Qt::Orientation orientationOf(Qt::DockWidgetArea side)
{
    return side == Qt::LeftDockWidgetArea || side == Qt::RightDockWidgetArea ? Qt::Vertical : Qt::Horizontal;
}

}  // namespace

AutoHideTab::AutoHideTab(QDockWidget* pane, Qt::Orientation orientation, QWidget* parent)
    : QAbstractButton(parent), pane_(pane), orientation_(orientation)
{
    setText(pane->windowTitle());
    setIcon(pane->windowIcon());
    setToolTip(pane->windowTitle());
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
}

// The length along the edge; across it, an icon's height with a little room.
QSize AutoHideTab::sizeHint() const
{
    const int iconRoom = icon().isNull() ? 0 : kIconSide + kPadding;
    const int length = 2 * kPadding + iconRoom + fontMetrics().horizontalAdvance(text());
    const int breadth = qMax(kIconSide, fontMetrics().height()) + 2 * kPadding;
    return orientation_ == Qt::Horizontal ? QSize(length, breadth) : QSize(breadth, length);
}

void AutoHideTab::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const bool hot = underMouse() || isDown();
    painter.fillRect(rect(), palette().color(hot ? QPalette::Midlight : QPalette::Button));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    // Along a side edge the tab is drawn lying, then turned upright.
    if (orientation_ == Qt::Vertical) {
        painter.translate(width(), 0);
        painter.rotate(90);
    }
    const QSize along = orientation_ == Qt::Horizontal ? size() : size().transposed();
    int x = kPadding;
    if (!icon().isNull()) {
        icon().paint(&painter, QRect(x, (along.height() - kIconSide) / 2, kIconSide, kIconSide));
        x += kIconSide + kPadding;
    }
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(QRect(x, 0, along.width() - x, along.height()), Qt::AlignLeft | Qt::AlignVCenter, text());
}

void AutoHideTab::enterEvent(QEnterEvent* event)
{
    QAbstractButton::enterEvent(event);
    emit hovered();
}

AutoHideSideBar::AutoHideSideBar(Qt::DockWidgetArea side, QWidget* parent)
    : QWidget(parent),
      side_(side),
      layout_(new QBoxLayout(orientationOf(side) == Qt::Horizontal ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom,
                             this))
{
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(2);
    layout_->addStretch();
    hide();
}

AutoHideTab* AutoHideSideBar::addTab(QDockWidget* pane)
{
    auto* tab = new AutoHideTab(pane, orientationOf(side_), this);
    layout_->insertWidget(static_cast<int>(tabs_.size()), tab);
    tabs_.append(tab);
    show();
    return tab;
}

void AutoHideSideBar::removeTab(QDockWidget* pane)
{
    AutoHideTab* tab = tabOf(pane);
    if (!tab)
        return;
    tabs_.removeOne(tab);
    delete tab;
    setVisible(!tabs_.isEmpty());
}

AutoHideTab* AutoHideSideBar::tabOf(const QDockWidget* pane) const
{
    for (AutoHideTab* tab : tabs_)
        if (tab->pane() == pane)
            return tab;
    return nullptr;
}
