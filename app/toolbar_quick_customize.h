// Quick customisation: with Alt held, a toolbar button is dragged to another
// place or toolbar; dropped away from every toolbar it leaves its toolbar.
// Alt+Ctrl copies it instead of moving it.
#pragma once
#include <QObject>

class QAction;
class QDropEvent;
class QMimeData;
class QToolBar;

class ToolbarQuickCustomizer : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // The toolbar takes dropped buttons and its buttons can be Alt+dragged.
    void watch(QToolBar* toolbar);

    // The MIME type of a dragged toolbar button, and the data a drag of one carries.
    static const char* mimeType();
    static QMimeData* createButtonData(QToolBar* source, QAction* command);

signals:
    // A button was moved, copied or removed.
    void toolbarsChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool startDrag(QToolBar* toolbar, QWidget* button);
    void dropOn(QToolBar* toolbar, QDropEvent* event);
};
