#include "app/auto_hide_area.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QGridLayout>
#include <QMainWindow>
#include <QPropertyAnimation>
#include <QSettings>

#include "app/auto_hide_side_bar.h"
#include "app/pane_title_bar.h"

namespace {

const char kHiddenPanesKey[] = "AutoHiddenPanes";
constexpr int kSlideMilliseconds = 150;
constexpr int kLeaveCheckMilliseconds = 250;

PaneTitleBar* titleBarOf(const QDockWidget* pane)
{
    return qobject_cast<PaneTitleBar*>(pane->titleBarWidget());
}

// A popup list or a dialog opened from the pane keeps the pane where it is.
bool somethingModalIsOpen()
{
    return QApplication::activeModalWidget() || QApplication::activePopupWidget();
}

}  // namespace

AutoHideArea::AutoHideArea(QMainWindow* frame, QWidget* view)
    : QWidget(frame), frame_(frame), view_(view), slide_(new QPropertyAnimation(this))
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    const struct {
        Qt::DockWidgetArea side;
        int row, column;
    } places[] = {{Qt::TopDockWidgetArea, 0, 1},
                  {Qt::LeftDockWidgetArea, 1, 0},
                  {Qt::RightDockWidgetArea, 1, 2},
                  {Qt::BottomDockWidgetArea, 2, 1}};
    for (const auto& place : places) {
        auto* bar = new AutoHideSideBar(place.side, this);
        bars_.insert(place.side, bar);
        grid->addWidget(bar, place.row, place.column);
    }
    grid->addWidget(view, 1, 1);

    slide_->setPropertyName("pos");
    slide_->setDuration(kSlideMilliseconds);
    connect(slide_, &QPropertyAnimation::finished, this, [this] {
        auto* pane = qobject_cast<QWidget*>(slide_->targetObject());
        if (pane && pane != shown_)
            pane->hide();
    });
    leaveWatch_.setInterval(kLeaveCheckMilliseconds);
    connect(&leaveWatch_, &QTimer::timeout, this, &AutoHideArea::slideOutWhenLeft);
}

void AutoHideArea::managePane(QDockWidget* pane)
{
    auto* titleBar = new PaneTitleBar(pane);
    pane->setTitleBarWidget(titleBar);
    connect(titleBar, &PaneTitleBar::pinClicked, this, [this, pane] { setAutoHide(pane, !isAutoHidden(pane)); });
    // Chosen in the pane list while hidden, the pane slides in rather than appearing wherever it was.
    connect(pane->toggleViewAction(), &QAction::triggered, this, [this, pane](bool shown) {
        if (shown && isAutoHidden(pane))
            slideIn(pane);
    });
    pane->installEventFilter(this);
    managed_.append(pane);
}

void AutoHideArea::setAutoHide(QDockWidget* pane, bool hidden)
{
    if (hidden == isAutoHidden(pane))
        return;
    if (!hidden) {
        dockPane(pane);
        return;
    }
    const Qt::DockWidgetArea side = frame_->dockWidgetArea(pane);
    if (!pane->isFloating() && side != Qt::NoDockWidgetArea)
        hidePane(pane, side, pane->size());
}

void AutoHideArea::hidePane(QDockWidget* pane, Qt::DockWidgetArea side, QSize dockedSize)
{
    hidden_.insert(pane, HiddenPane{side, dockedSize, pane->features()});
    frame_->removeDockWidget(pane);
    pane->setParent(this);
    // Behind its tab the pane can be closed but neither dragged nor floated.
    pane->setFeatures(pane->features() & QDockWidget::DockWidgetClosable);
    pane->hide();
    AutoHideTab* tab = bars_.value(side)->addTab(pane);
    connect(tab, &AutoHideTab::hovered, this, [this, pane] { slideIn(pane); });
    connect(tab, &AutoHideTab::clicked, this, [this, pane] {
        slideIn(pane);
        pane->widget()->setFocus(Qt::MouseFocusReason);
    });
    if (PaneTitleBar* titleBar = titleBarOf(pane))
        titleBar->setPinned(false);
}

void AutoHideArea::dockPane(QDockWidget* pane)
{
    if (shown_ == pane) {
        shown_ = nullptr;
        slide_->stop();
    }
    const HiddenPane hidden = hidden_.take(pane);
    bars_.value(hidden.side)->removeTab(pane);
    pane->hide();
    pane->setParent(frame_);
    pane->setFeatures(hidden.features);
    frame_->addDockWidget(hidden.side, pane);
    pane->show();
    // Back at the size it had, across the edge and along it, as far as its neighbours allow.
    frame_->resizeDocks({pane}, {hidden.dockedSize.width()}, Qt::Horizontal);
    frame_->resizeDocks({pane}, {hidden.dockedSize.height()}, Qt::Vertical);
    if (PaneTitleBar* titleBar = titleBarOf(pane))
        titleBar->setPinned(true);
}

// Slid in, the pane lies along the view's edge at the size it had docked; slid
// out, it waits just past that edge, under its tab strip.
QRect AutoHideArea::slidGeometry(const QDockWidget* pane, bool in) const
{
    const HiddenPane& hidden = hidden_[pane];
    const QRect view = view_->geometry();
    QRect area = view;
    switch (hidden.side) {
    case Qt::LeftDockWidgetArea:
        area.setWidth(qMin(hidden.dockedSize.width(), view.width()));
        return in ? area : area.translated(-area.width(), 0);
    case Qt::RightDockWidgetArea:
        area.setLeft(view.right() + 1 - qMin(hidden.dockedSize.width(), view.width()));
        return in ? area : area.translated(area.width(), 0);
    case Qt::TopDockWidgetArea:
        area.setHeight(qMin(hidden.dockedSize.height(), view.height()));
        return in ? area : area.translated(0, -area.height());
    default:
        area.setTop(view.bottom() + 1 - qMin(hidden.dockedSize.height(), view.height()));
        return in ? area : area.translated(0, area.height());
    }
}

void AutoHideArea::slideIn(QDockWidget* pane)
{
    if (!isAutoHidden(pane) || shown_ == pane)
        return;
    if (shown_)
        shown_->hide();
    slide_->stop();
    shown_ = pane;
    pane->setGeometry(slidGeometry(pane, false));
    pane->show();
    pane->raise();
    // The tab strips stay on top, so that the pane comes out from under its edge.
    for (AutoHideSideBar* bar : bars_)
        bar->raise();
    slide_->setTargetObject(pane);
    slide_->setStartValue(pane->pos());
    slide_->setEndValue(slidGeometry(pane, true).topLeft());
    slide_->start();
    leaveWatch_.start();
}

void AutoHideArea::slideOut()
{
    QDockWidget* pane = std::exchange(shown_, nullptr);
    leaveWatch_.stop();
    if (!pane)
        return;
    slide_->stop();
    slide_->setTargetObject(pane);
    slide_->setStartValue(pane->pos());
    slide_->setEndValue(slidGeometry(pane, false).topLeft());
    slide_->start();
}

void AutoHideArea::slideOutWhenLeft()
{
    if (!shown_ || somethingModalIsOpen())
        return;
    const QPoint cursor = QCursor::pos();
    const AutoHideTab* tab = bars_.value(hidden_[shown_].side)->tabOf(shown_);
    const bool pointedAt = shown_->rect().contains(shown_->mapFromGlobal(cursor)) ||
                           (tab && tab->rect().contains(tab->mapFromGlobal(cursor)));
    const QWidget* focus = QApplication::focusWidget();
    const bool focused = focus && (focus == shown_ || shown_->isAncestorOf(focus));
    if (!pointedAt && !focused)
        slideOut();
}

void AutoHideArea::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (shown_) {
        slide_->stop();
        shown_->setGeometry(slidGeometry(shown_, true));
    }
}

// Closing a hidden pane pins it first, so that the pane list brings it back docked.
bool AutoHideArea::eventFilter(QObject* watched, QEvent* event)
{
    auto* pane = qobject_cast<QDockWidget*>(watched);
    if (event->type() == QEvent::Close && pane && isAutoHidden(pane))
        dockPane(pane);
    return QWidget::eventFilter(watched, event);
}

void AutoHideArea::save(QSettings& settings) const
{
    settings.beginWriteArray(QLatin1String(kHiddenPanesKey), static_cast<int>(hidden_.size()));
    int index = 0;
    for (auto it = hidden_.cbegin(); it != hidden_.cend(); ++it) {
        settings.setArrayIndex(index++);
        settings.setValue(QStringLiteral("pane"), it.key()->objectName());
        settings.setValue(QStringLiteral("side"), static_cast<int>(it.value().side));
        settings.setValue(QStringLiteral("size"), it.value().dockedSize);
    }
    settings.endArray();
}

void AutoHideArea::restore(QSettings& settings)
{
    const int count = settings.beginReadArray(QLatin1String(kHiddenPanesKey));
    for (int i = 0; i < count; ++i) {
        settings.setArrayIndex(i);
        const QString name = settings.value(QStringLiteral("pane")).toString();
        const auto side = static_cast<Qt::DockWidgetArea>(settings.value(QStringLiteral("side")).toInt());
        const QSize size = settings.value(QStringLiteral("size")).toSize();
        for (QDockWidget* pane : managed_)
            if (pane->objectName() == name && !isAutoHidden(pane) && bars_.contains(side) && !pane->isFloating())
                hidePane(pane, side, size);
    }
    settings.endArray();
}
