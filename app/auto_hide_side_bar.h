// The strip along one edge of the view that holds the tabs of the panes
// hidden at that edge. Pointing at a tab or clicking it brings its pane back
// for a while.
#pragma once
#include <QAbstractButton>
#include <QWidget>

class QBoxLayout;
class QDockWidget;

// One hidden pane's tab: its icon and caption, upright along the left and right edges.
class AutoHideTab : public QAbstractButton {
    Q_OBJECT
public:
    AutoHideTab(QDockWidget* pane, Qt::Orientation orientation, QWidget* parent);

    QDockWidget* pane() const { return pane_; }
    QSize sizeHint() const override;

signals:
    void hovered();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;

private:
    QDockWidget* pane_;
    Qt::Orientation orientation_;
};

class AutoHideSideBar : public QWidget {
    Q_OBJECT
public:
    AutoHideSideBar(Qt::DockWidgetArea side, QWidget* parent);

    Qt::DockWidgetArea side() const { return side_; }
    AutoHideTab* addTab(QDockWidget* pane);
    void removeTab(QDockWidget* pane);
    AutoHideTab* tabOf(const QDockWidget* pane) const;

private:
    Qt::DockWidgetArea side_;
    QBoxLayout* layout_;
    QList<AutoHideTab*> tabs_;
};
