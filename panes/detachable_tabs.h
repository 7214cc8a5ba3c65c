// Tabs that can be torn off: dragging a tab away from its tab bar puts its page
// into a floating pane of its own, which docks anywhere in the main window like
// the other panes. Closing that pane returns the page to its tab, in its place.
#pragma once
#include <QObject>
#include <QPoint>
#include <QStringList>

class QDockWidget;
class QTabWidget;
class QWidget;

class DetachableTabs : public QObject {
    Q_OBJECT
public:
    explicit DetachableTabs(QTabWidget* tabs);

    // The page of tab `index` in a floating pane with the tab's label as its
    // caption, its top left corner near `globalPosition`.
    QDockWidget* detach(int index, const QPoint& globalPosition);
    // The page back in its tab; the pane that held it goes.
    void reattach(QDockWidget* pane);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool followTabDrag(QEvent* event);

    QTabWidget* tabs_;
    QList<QWidget*> pages_;  // every page in its original order
    QStringList labels_;
    int pressedTab_ = -1;
};
