#include "app/file_drop_router.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

QStringList droppedFiles(const QMimeData* mime)
{
    QStringList paths;
    if (!mime)
        return paths;
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    return paths;
}

FileDropRouter::FileDropRouter(QWidget* window, Open open) : QObject(window), window_(window), open_(std::move(open))
{
    window_->setAcceptDrops(true);
    qApp->installEventFilter(this);
}

FileDropRouter::~FileDropRouter() { qApp->removeEventFilter(this); }

bool FileDropRouter::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto* drag = static_cast<QDropEvent*>(event);
    const QStringList paths = droppedFiles(drag->mimeData());
    if (paths.isEmpty() || !belongsToWindow(watched))
        return false;
    drag->setDropAction(Qt::CopyAction);
    drag->accept();
    if (type == QEvent::Drop)
        for (const QString& path : paths)
            if (!open_(path))
                break;
    return true;
}

// Floating panes are windows of their own, but their parent is still the main window.
bool FileDropRouter::belongsToWindow(QObject* object) const
{
    for (auto* widget = qobject_cast<QWidget*>(object); widget; widget = widget->parentWidget())
        if (widget == window_)
            return true;
    return false;
}
