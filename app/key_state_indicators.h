// The CAP, NUM and SCRL indicators of the status bar.
#pragma once
#include <QObject>

class QLabel;
class QStatusBar;

class KeyStateIndicators : public QObject {
    Q_OBJECT
public:
    // Adds the three indicators to the right end of statusBar and follows the keyboard.
    explicit KeyStateIndicators(QStatusBar* statusBar);

    bool capsLock() const { return capsLock_; }
    bool numLock() const { return numLock_; }
    bool scrollLock() const { return scrollLock_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow(const class QKeyEvent& key);
    void show();

    QLabel* caps_;
    QLabel* num_;
    QLabel* scroll_;
    bool capsLock_ = false;
    bool numLock_ = false;
    bool scrollLock_ = false;
};
