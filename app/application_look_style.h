// The Qt style behind one application look: a base style, a palette, and
// the look's own bars, hot buttons and pane captions drawn over it.
#pragma once
#include <QPalette>
#include <QProxyStyle>
#include <QRgb>

// The colours that make one look. A classic look keeps the base style's own
// bars and buttons and only recolours the palette and the pane captions.
struct LookColors {
    const char* baseStyle;
    bool classic;
    QRgb window, windowText, button, buttonText, base, text, highlight, highlightedText;
    QRgb barTop, barBottom, barBorder;
    QRgb hotFill, hotBorder;
    QRgb captionTop, captionBottom, captionText;
};

QPalette lookPalette(const LookColors& colors);

// Pane caption images of our own, beside the float and close buttons: the pin
// of a docked pane, upright, and of a pane hidden at the window's edge, lying.
constexpr QStyle::StandardPixmap SP_PanePinned = QStyle::StandardPixmap(QStyle::SP_CustomBase + 1);
constexpr QStyle::StandardPixmap SP_PaneUnpinned = QStyle::StandardPixmap(QStyle::SP_CustomBase + 2);

class ApplicationLookStyle : public QProxyStyle {
    Q_OBJECT
public:
    ApplicationLookStyle(int lookId, const LookColors& colors);

    int lookId() const { return lookId_; }

    QPalette standardPalette() const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override;

private:
    void drawBar(const QRect& fill, const QRect& span, QPainter* painter) const;
    void drawMenuBarItem(const QStyleOption* option, QPainter* painter, const QWidget* widget) const;
    void drawHotToolButton(const QStyleOption* option, QPainter* painter) const;
    void drawMenuItem(const QStyleOption* option, QPainter* painter, const QWidget* widget) const;
    void drawMenuRadioDot(const QStyleOption* option, QPainter* painter) const;
    void drawDockTitle(const QStyleOption* option, QPainter* painter, const QWidget* widget) const;
    QIcon captionButtonIcon(StandardPixmap icon) const;

    int lookId_;
    LookColors colors_;
};
