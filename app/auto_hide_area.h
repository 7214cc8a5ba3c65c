// The middle of the main window: the view, with a strip of tabs on each edge
// for the panes the user unpinned. An unpinned pane leaves its dock and waits
// behind its tab; pointing at the tab or clicking it slides the pane in over
// the view, and it slides out again once neither the mouse nor the keyboard
// focus is in it. Pinning it docks it again at its edge.
#pragma once
#include <QDockWidget>
#include <QMap>
#include <QTimer>
#include <QWidget>

class AutoHideSideBar;
class QMainWindow;
class QPropertyAnimation;
class QSettings;

class AutoHideArea : public QWidget {
    Q_OBJECT
public:
    AutoHideArea(QMainWindow* frame, QWidget* view);

    // Gives the pane the caption with the pin, float and close buttons.
    void managePane(QDockWidget* pane);

    // Unpins a docked pane or pins a hidden one; a floating pane stays as it is.
    void setAutoHide(QDockWidget* pane, bool hidden);
    bool isAutoHidden(const QDockWidget* pane) const { return hidden_.contains(pane); }

    void slideIn(QDockWidget* pane);
    void slideOut();
    // The hidden pane now slid in, if any.
    QDockWidget* shownPane() const { return shown_; }

    AutoHideSideBar* sideBar(Qt::DockWidgetArea side) const { return bars_.value(side); }

    // Which panes are hidden at which edge, by the panes' object names.
    void save(QSettings& settings) const;
    void restore(QSettings& settings);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct HiddenPane {
        Qt::DockWidgetArea side;
        QSize dockedSize;
        QDockWidget::DockWidgetFeatures features;
    };

    void hidePane(QDockWidget* pane, Qt::DockWidgetArea side, QSize dockedSize);
    void dockPane(QDockWidget* pane);
    QRect slidGeometry(const QDockWidget* pane, bool in) const;
    void slideOutWhenLeft();

    QMainWindow* frame_;
    QWidget* view_;
    QMap<Qt::DockWidgetArea, AutoHideSideBar*> bars_;
    QList<QDockWidget*> managed_;
    QMap<const QDockWidget*, HiddenPane> hidden_;
    QDockWidget* shown_ = nullptr;
    QPropertyAnimation* slide_;
    QTimer leaveWatch_;
};
