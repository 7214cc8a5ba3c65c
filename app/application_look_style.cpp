#include "app/application_look_style.h"

#include <QLinearGradient>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

namespace {

QColor blend(QRgb a, QRgb b)
{
    return QColor((qRed(a) + qRed(b)) / 2, (qGreen(a) + qGreen(b)) / 2, (qBlue(a) + qBlue(b)) / 2);
}

QStyle* createBaseStyle(const char* name)
{
    if (QStyle* style = QStyleFactory::create(QString::fromLatin1(name)))
        return style;
    return QStyleFactory::create(QStringLiteral("Fusion"));
}

constexpr int kCaptionIconSize = 10;

bool isCaptionButton(QStyle::StandardPixmap icon)
{
    return icon == QStyle::SP_TitleBarCloseButton || icon == QStyle::SP_DockWidgetCloseButton ||
           icon == QStyle::SP_TitleBarNormalButton || icon == SP_PanePinned || icon == SP_PaneUnpinned;
}

// A drawing pin seen from the side: head, collar and needle, upright or lying with the needle left.
void drawPin(QPainter& painter, bool lying)
{
    if (lying) {
        painter.translate(kCaptionIconSize, 0);
        painter.rotate(90);
    }
    painter.drawRect(QRectF(3, 1, 3, 4));
    painter.drawLine(QPointF(1.5, 5.5), QPointF(7.5, 5.5));
    painter.drawLine(QPointF(4.5, 5.5), QPointF(4.5, 9));
}

bool isExclusiveMenuItem(const QStyleOption* option)
{
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    return item && item->checkType == QStyleOptionMenuItem::Exclusive;
}

QLinearGradient verticalGradient(const QRect& area, QRgb top, QRgb bottom)
{
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    gradient.setColorAt(0, QColor(top));
    gradient.setColorAt(1, QColor(bottom));
    return gradient;
}

} // namespace

QPalette lookPalette(const LookColors& colors)
{
    QPalette palette(QColor(colors.button), QColor(colors.window));
    palette.setColor(QPalette::WindowText, QColor(colors.windowText));
    palette.setColor(QPalette::ButtonText, QColor(colors.buttonText));
    palette.setColor(QPalette::Base, QColor(colors.base));
    palette.setColor(QPalette::AlternateBase, blend(colors.base, colors.window));
    palette.setColor(QPalette::Text, QColor(colors.text));
    palette.setColor(QPalette::Highlight, QColor(colors.highlight));
    palette.setColor(QPalette::HighlightedText, QColor(colors.highlightedText));
    palette.setColor(QPalette::ToolTipBase, QColor(0xFFFFE1));
    palette.setColor(QPalette::ToolTipText, QColor(Qt::black));
    palette.setColor(QPalette::PlaceholderText, blend(colors.text, colors.base));
    const QColor disabledWindowText = blend(colors.windowText, colors.window);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, disabledWindowText);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, blend(colors.buttonText, colors.button));
    palette.setColor(QPalette::Disabled, QPalette::Text, blend(colors.text, colors.base));
    return palette;
}

ApplicationLookStyle::ApplicationLookStyle(int lookId, const LookColors& colors)
    : QProxyStyle(createBaseStyle(colors.baseStyle)), lookId_(lookId), colors_(colors)
{
}

QPalette ApplicationLookStyle::standardPalette() const
{
    return lookPalette(colors_);
}

void ApplicationLookStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                       const QWidget* widget) const
{
    if (element == CE_DockWidgetTitle) {
        drawDockTitle(option, painter, widget);
        return;
    }
    if (element == CE_MenuItem) {
        drawMenuItem(option, painter, widget);
        return;
    }
    if (!colors_.classic) {
        switch (element) {
        case CE_ToolBar:
        case CE_MenuBarEmptyArea:
            drawBar(option->rect, widget ? widget->rect() : option->rect, painter);
            return;
        case CE_MenuBarItem:
            drawMenuBarItem(option, painter, widget);
            return;
        default:
            break;
        }
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void ApplicationLookStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                         const QWidget* widget) const
{
    if (!colors_.classic && element == PE_PanelButtonTool && (option->state & State_AutoRaise)) {
        drawHotToolButton(option, painter);
        return;
    }
    if (element == PE_IndicatorMenuCheckMark && isExclusiveMenuItem(option)) {
        drawMenuRadioDot(option, painter);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

// The pane captions' float and close buttons are drawn in the caption's text
// colour, so that they stay visible on every caption gradient; a classic look
// puts them on raised buttons and draws them in the button text colour.
QIcon ApplicationLookStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const
{
    return isCaptionButton(icon) ? captionButtonIcon(icon) : QProxyStyle::standardIcon(icon, option, widget);
}

QIcon ApplicationLookStyle::captionButtonIcon(StandardPixmap icon) const
{
    QPixmap pixmap(kCaptionIconSize, kCaptionIconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QPen(QColor(colors_.classic ? colors_.buttonText : colors_.captionText), 1.5));
    const int last = kCaptionIconSize - 2;
    if (icon == SP_PanePinned || icon == SP_PaneUnpinned) {
        drawPin(painter, icon == SP_PaneUnpinned);
    } else if (icon == SP_TitleBarNormalButton) {
        painter.drawRect(QRectF(3.5, 1.5, last - 3, last - 3));
        painter.drawRect(QRectF(1.5, 3.5, last - 3, last - 3));
    } else {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawLine(QPointF(1.5, 1.5), QPointF(last + 0.5, last + 0.5));
        painter.drawLine(QPointF(1.5, last + 0.5), QPointF(last + 0.5, 1.5));
    }
    return QIcon(pixmap);
}

// The gradient spans the whole bar, so that the menu bar's items and its empty
// area, painted piece by piece, join up.
void ApplicationLookStyle::drawBar(const QRect& fill, const QRect& span, QPainter* painter) const
{
    painter->save();
    painter->fillRect(fill, verticalGradient(span, colors_.barTop, colors_.barBottom));
    painter->setPen(QColor(colors_.barBorder));
    painter->drawLine(fill.left(), span.bottom(), fill.right(), span.bottom());
    painter->restore();
}

void ApplicationLookStyle::drawMenuBarItem(const QStyleOption* option, QPainter* painter,
                                           const QWidget* widget) const
{
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (!item)
        return;
    drawBar(item->rect, widget ? widget->rect() : item->rect, painter);
    const bool hot = (item->state & State_Selected) && (item->state & State_Enabled);
    painter->save();
    if (hot) {
        painter->setPen(QColor(colors_.hotBorder));
        painter->setBrush(QColor(colors_.hotFill));
        painter->drawRect(item->rect.adjusted(0, 1, -1, -2));
    }
    const QPalette::ColorRole role = hot ? QPalette::HighlightedText : QPalette::WindowText;
    drawItemText(painter, item->rect, Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextSingleLine, item->palette,
                 item->state & State_Enabled, item->text, role);
    painter->restore();
}

// Menus are drawn on the base colour, in the text colour; a look whose button
// text is light (the black one) would otherwise draw the radio dot of the chosen
// entry light on light.
void ApplicationLookStyle::drawMenuItem(const QStyleOption* option, QPainter* painter, const QWidget* widget) const
{
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (!item) {
        QProxyStyle::drawControl(CE_MenuItem, option, painter, widget);
        return;
    }
    QStyleOptionMenuItem marked = *item;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        marked.palette.setColor(group, QPalette::ButtonText, item->palette.color(group, QPalette::Text));
    QProxyStyle::drawControl(CE_MenuItem, &marked, painter, widget);
}

// The classic base style marks every checked entry with a tick; one of a group
// of choices gets a round dot instead, as in the other looks.
void ApplicationLookStyle::drawMenuRadioDot(const QStyleOption* option, QPainter* painter) const
{
    const bool selected = option->state & State_Selected;
    const qreal diameter = qMin(qMin(option->rect.width(), option->rect.height()) * 0.5, 7.0);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(option->palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawEllipse(QRectF(option->rect).center(), diameter / 2, diameter / 2);
    painter->restore();
}

void ApplicationLookStyle::drawHotToolButton(const QStyleOption* option, QPainter* painter) const
{
    const State active = State_MouseOver | State_Sunken | State_On;
    if (!(option->state & State_Enabled) || !(option->state & active))
        return;
    const bool pressed = option->state & (State_Sunken | State_On);
    const QColor fill = pressed ? QColor(colors_.hotFill).darker(112) : QColor(colors_.hotFill);
    painter->save();
    painter->setPen(QColor(colors_.hotBorder));
    painter->setBrush(fill);
    painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
    painter->restore();
}

void ApplicationLookStyle::drawDockTitle(const QStyleOption* option, QPainter* painter, const QWidget* widget) const
{
    const auto* title = qstyleoption_cast<const QStyleOptionDockWidget*>(option);
    if (!title)
        return;
    painter->save();
    painter->fillRect(title->rect, verticalGradient(title->rect, colors_.captionTop, colors_.captionBottom));
    const QRect textArea = subElementRect(SE_DockWidgetTitleBarText, option, widget);
    const QString text = title->fontMetrics.elidedText(title->title, Qt::ElideRight, textArea.width());
    painter->setPen(QColor(colors_.captionText));
    painter->drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    painter->restore();
}
