// A pane's caption: the title drawn as the look draws pane captions, and the
// pin, float and close buttons. Dragging and double-clicking the caption are
// left to the pane.
#pragma once
#include <QWidget>

class QDockWidget;
class QToolButton;

class PaneTitleBar : public QWidget {
    Q_OBJECT
public:
    explicit PaneTitleBar(QDockWidget* pane);

    // A pinned pane stays docked; an unpinned one hides at the window's edge.
    void setPinned(bool pinned);
    bool isPinned() const { return pinned_; }

    QToolButton* pinButton() const { return pin_; }
    QToolButton* floatButton() const { return float_; }
    QToolButton* closeButton() const { return close_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void pinClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QToolButton* addButton(const QString& tip);
    void updateButtons();
    int buttonSide() const;

    QDockWidget* pane_;
    QToolButton* pin_;
    QToolButton* float_;
    QToolButton* close_;
    bool pinned_ = true;
};
