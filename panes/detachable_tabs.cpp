#include "panes/detachable_tabs.h"

#include <QApplication>
#include <QDockWidget>
#include <QMainWindow>
#include <QMouseEvent>
#include <QTabBar>
#include <QTabWidget>

namespace {

// How far beyond the tab bar a drag has to go before the tab comes off.
int tearDistance() { return 2 * QApplication::startDragDistance(); }

}  // namespace

DetachableTabs::DetachableTabs(QTabWidget* tabs) : QObject(tabs), tabs_(tabs)
{
    for (int i = 0; i < tabs->count(); ++i) {
        pages_.append(tabs->widget(i));
        labels_.append(tabs->tabText(i));
    }
    tabs->tabBar()->installEventFilter(this);
}

QDockWidget* DetachableTabs::detach(int index, const QPoint& globalPosition)
{
    QWidget* page = tabs_->widget(index);
    if (!page)
        return nullptr;
    const QString label = tabs_->tabText(index);
    const QSize size = tabs_->size();
    auto* window = qobject_cast<QMainWindow*>(tabs_->window());
    auto* pane = new QDockWidget(label, tabs_->window());
    pane->setObjectName(QStringLiteral("DetachedTab") + QString::number(pages_.indexOf(page)));
    tabs_->removeTab(index);
    pane->setWidget(page);
    page->show();
    if (window)
        window->addDockWidget(Qt::BottomDockWidgetArea, pane);
    pane->setFloating(true);
    pane->resize(size);
    pane->move(globalPosition);
    pane->show();
    pane->installEventFilter(this);
    return pane;
}

void DetachableTabs::reattach(QDockWidget* pane)
{
    QWidget* page = pane->widget();
    const qsizetype order = pages_.indexOf(page);
    if (order < 0)
        return;
    // Among the tabs still there, the page goes after those that came before it.
    int position = 0;
    for (qsizetype i = 0; i < order; ++i)
        if (tabs_->indexOf(pages_.at(i)) >= 0)
            ++position;
    pane->removeEventFilter(this);
    tabs_->insertTab(position, page, labels_.at(order));
    tabs_->setCurrentWidget(page);
    pane->deleteLater();
}

bool DetachableTabs::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == tabs_->tabBar())
        return followTabDrag(event);
    if (event->type() == QEvent::Close)
        if (auto* pane = qobject_cast<QDockWidget*>(watched))
            reattach(pane);
    return false;
}

// True once the tab came off, so that the tab bar does not go on with the drag.
bool DetachableTabs::followTabDrag(QEvent* event)
{
    QTabBar* bar = tabs_->tabBar();
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        pressedTab_ = mouse->button() == Qt::LeftButton ? bar->tabAt(mouse->position().toPoint()) : -1;
        return false;
    }
    case QEvent::MouseButtonRelease:
        pressedTab_ = -1;
        return false;
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const int margin = tearDistance();
        const QRect stay = bar->rect().adjusted(-margin, -margin, margin, margin);
        if (pressedTab_ < 0 || !(mouse->buttons() & Qt::LeftButton) || stay.contains(mouse->position().toPoint()))
            return false;
        const int index = std::exchange(pressedTab_, -1);
        detach(index, mouse->globalPosition().toPoint());
        return true;
    }
    default:
        return false;
    }
}
