#include "app/pane_title_bar.h"

#include <QDockWidget>
#include <QEvent>
#include <QPainter>
#include <QStyleOptionDockWidget>
#include <QToolButton>

#include "app/application_look_style.h"

namespace {

constexpr int kIconSide = 10;

}  // namespace

PaneTitleBar::PaneTitleBar(QDockWidget* pane)
    : QWidget(pane),
      pane_(pane),
      pin_(addButton(QStringLiteral("自動的に隠す"))),
      float_(addButton(QStringLiteral("フローティング"))),
      close_(addButton(QStringLiteral("閉じる")))
{
    connect(pin_, &QToolButton::clicked, this, &PaneTitleBar::pinClicked);
    connect(float_, &QToolButton::clicked, pane_, [this] { pane_->setFloating(!pane_->isFloating()); });
    connect(close_, &QToolButton::clicked, pane_, &QDockWidget::close);
    connect(pane_, &QDockWidget::topLevelChanged, this, &PaneTitleBar::updateButtons);
    connect(pane_, &QDockWidget::featuresChanged, this, &PaneTitleBar::updateButtons);
    connect(pane_, &QDockWidget::windowTitleChanged, this, [this] { update(); });
    updateButtons();
}

void PaneTitleBar::setPinned(bool pinned)
{
    pinned_ = pinned;
    updateButtons();
}

QToolButton* PaneTitleBar::addButton(const QString& tip)
{
    auto* button = new QToolButton(this);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolTip(tip);
    button->setIconSize(QSize(kIconSide, kIconSide));
    return button;
}

// A floating pane has nothing to pin to; a hidden one floats only once it is docked again.
void PaneTitleBar::updateButtons()
{
    const QDockWidget::DockWidgetFeatures features = pane_->features();
    pin_->setVisible(!pane_->isFloating());
    float_->setVisible(pinned_ && features.testFlag(QDockWidget::DockWidgetFloatable));
    close_->setVisible(features.testFlag(QDockWidget::DockWidgetClosable));
    pin_->setIcon(style()->standardIcon(pinned_ ? SP_PanePinned : SP_PaneUnpinned, nullptr, this));
    float_->setIcon(style()->standardIcon(QStyle::SP_TitleBarNormalButton, nullptr, this));
    close_->setIcon(style()->standardIcon(QStyle::SP_DockWidgetCloseButton, nullptr, this));
    const int side = buttonSide();
    for (QToolButton* button : {pin_, float_, close_})
        button->setFixedSize(side, side);
    resizeEvent(nullptr);
    update();
}

int PaneTitleBar::buttonSide() const
{
    return kIconSide + 2 * (style()->pixelMetric(QStyle::PM_DockWidgetTitleBarButtonMargin, nullptr, pane_) + 2);
}

QSize PaneTitleBar::sizeHint() const
{
    const int margin = style()->pixelMetric(QStyle::PM_DockWidgetTitleMargin, nullptr, pane_);
    const int height = qMax(buttonSide(), fontMetrics().height()) + 2 * margin;
    return QSize(fontMetrics().horizontalAdvance(pane_->windowTitle()) + 4 * buttonSide(), height);
}

QSize PaneTitleBar::minimumSizeHint() const { return QSize(4 * buttonSide(), sizeHint().height()); }

void PaneTitleBar::resizeEvent(QResizeEvent*)
{
    const int margin = style()->pixelMetric(QStyle::PM_DockWidgetTitleMargin, nullptr, pane_);
    int right = width() - margin;
    for (QToolButton* button : {close_, float_, pin_}) {
        if (button->isHidden())
            continue;
        right -= button->width();
        button->move(right, (height() - button->height()) / 2);
    }
}

// The caption's gradient and text come from the look, as on a pane without buttons of its own.
// The look leaves room for the float and close buttons; the title keeps clear of the pin too.
void PaneTitleBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOptionDockWidget option;
    option.initFrom(pane_);
    option.rect = rect();
    option.closable = !close_->isHidden();
    option.floatable = !float_->isHidden();
    option.movable = pane_->features().testFlag(QDockWidget::DockWidgetMovable);
    style()->drawControl(QStyle::CE_DockWidgetTitle, &option, &painter, pane_);
    if (!pin_->isHidden())
        option.rect.setRight(pin_->x() + (option.closable ? close_->width() : 0) +
                             (option.floatable ? float_->width() : 0) - 1);
    option.title = pane_->windowTitle();
    style()->drawControl(QStyle::CE_DockWidgetTitle, &option, &painter, pane_);
}

// A new look brings new caption colours, and with them new button images.
void PaneTitleBar::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::StyleChange || event->type() == QEvent::PaletteChange)
        updateButtons();
    QWidget::changeEvent(event);
}
