#include "app/key_state_indicators.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>

namespace {

// The X11 modifier state that key events carry: Lock is Caps Lock, Mod2 is Num Lock.
constexpr quint32 kX11LockMask = 0x02;
constexpr quint32 kX11Mod2Mask = 0x10;

QLabel* newIndicator(QStatusBar* statusBar, const char* text)
{
    auto* label = new QLabel(QString::fromLatin1(text), statusBar);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(label->text()) + 12);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    statusBar->addPermanentWidget(label);
    return label;
}

}  // namespace

KeyStateIndicators::KeyStateIndicators(QStatusBar* statusBar)
    : QObject(statusBar),
      caps_(newIndicator(statusBar, "CAP")),
      num_(newIndicator(statusBar, "NUM")),
      scroll_(newIndicator(statusBar, "SCRL"))
{
    qApp->installEventFilter(this);
    show();
}

bool KeyStateIndicators::eventFilter(QObject* watched, QEvent* event)
{
    // A key press passes the filter once for every widget it propagates through;
    // only its first receiver counts.
    QWidget* firstReceiver = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    if (event->type() == QEvent::KeyPress && watched == firstReceiver)
        follow(*static_cast<QKeyEvent*>(event));
    return QObject::eventFilter(watched, event);
}

// A key event tells the lock states as they were before the key went down.
void KeyStateIndicators::follow(const QKeyEvent& key)
{
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        capsLock_ = key.nativeModifiers() & kX11LockMask;
        numLock_ = key.nativeModifiers() & kX11Mod2Mask;
    }
    switch (key.key()) {
    case Qt::Key_CapsLock: capsLock_ = !capsLock_; break;
    case Qt::Key_NumLock: numLock_ = !numLock_; break;
    case Qt::Key_ScrollLock: scrollLock_ = !scrollLock_; break;
    default: break;
    }
    show();
}

void KeyStateIndicators::show()
{
    caps_->setEnabled(capsLock_);
    num_->setEnabled(numLock_);
    scroll_->setEnabled(scrollLock_);
}
