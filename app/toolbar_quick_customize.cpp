#include "app/toolbar_quick_customize.h"

#include "app/toolbar_commands.h"

#include <QAction>
#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QToolBar>

namespace {

// What travels with a dragged button; it only makes sense inside this process.
class ToolbarButtonMime : public QMimeData {
public:
    ToolbarButtonMime(QToolBar* source, QAction* command) : source(source), command(command)
    {
        setData(QString::fromLatin1(ToolbarQuickCustomizer::mimeType()), QByteArray());
    }
    QPointer<QToolBar> source;
    QPointer<QAction> command;
};

const ToolbarButtonMime* draggedButton(const QMimeData* mime)
{
    return dynamic_cast<const ToolbarButtonMime*>(mime);
}

QToolBar* toolbarOfButton(QObject* object)
{
    return object->isWidgetType() ? qobject_cast<QToolBar*>(object->parent()) : nullptr;
}

bool isAltPress(const QEvent* event)
{
    if (event->type() != QEvent::MouseButtonPress)
        return false;
    const auto* mouse = static_cast<const QMouseEvent*>(event);
    return mouse->button() == Qt::LeftButton && (mouse->modifiers() & Qt::AltModifier);
}

// A button dropped on the far half of another goes after it.
QAction* dropPlace(const QToolBar* toolbar, const QPoint& position)
{
    QAction* target = toolbar->actionAt(position);
    if (!target || isCustomizeButton(target))
        return nullptr;
    const QRect place = toolbar->actionGeometry(target);
    const bool farHalf = toolbar->orientation() == Qt::Horizontal ? position.x() > place.center().x()
                                                                   : position.y() > place.center().y();
    if (!farHalf)
        return target;
    const QList<QAction*> actions = toolbar->actions();
    QAction* next = actions.value(actions.indexOf(target) + 1, nullptr);
    return next && !isCustomizeButton(next) ? next : nullptr;
}

bool wantsCopy(Qt::KeyboardModifiers modifiers)
{
    return modifiers & Qt::ControlModifier;
}

} // namespace

const char* ToolbarQuickCustomizer::mimeType()
{
    return "application/x-brenno-toolbar-button";
}

QMimeData* ToolbarQuickCustomizer::createButtonData(QToolBar* source, QAction* command)
{
    return new ToolbarButtonMime(source, command);
}

void ToolbarQuickCustomizer::watch(QToolBar* toolbar)
{
    toolbar->setAcceptDrops(true);
    toolbar->installEventFilter(this);
    for (QObject* child : toolbar->children()) {
        if (child->isWidgetType())
            child->installEventFilter(this);
    }
}

bool ToolbarQuickCustomizer::eventFilter(QObject* watched, QEvent* event)
{
    if (auto* toolbar = qobject_cast<QToolBar*>(watched)) {
        switch (event->type()) {
        case QEvent::ChildAdded:
            static_cast<QChildEvent*>(event)->child()->installEventFilter(this);
            break;
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (draggedButton(drag->mimeData()))
                drag->acceptProposedAction();
            return draggedButton(drag->mimeData()) != nullptr;
        }
        case QEvent::Drop:
            if (draggedButton(static_cast<QDropEvent*>(event)->mimeData())) {
                dropOn(toolbar, static_cast<QDropEvent*>(event));
                return true;
            }
            break;
        default:
            break;
        }
        return false;
    }
    if (isAltPress(event)) {
        if (QToolBar* toolbar = toolbarOfButton(watched))
            return startDrag(toolbar, static_cast<QWidget*>(watched));
    }
    return false;
}

bool ToolbarQuickCustomizer::startDrag(QToolBar* source, QWidget* button)
{
    QPointer<QToolBar> toolbar(source);
    QAction* command = toolbar->actionAt(button->geometry().center());
    if (!command || isCustomizeButton(command))
        return false;
    auto* drag = new QDrag(button);
    drag->setMimeData(createButtonData(toolbar, command));
    drag->setPixmap(button->grab());
    const Qt::DropAction result = drag->exec(Qt::MoveAction | Qt::CopyAction, Qt::MoveAction);
    if (result == Qt::IgnoreAction && toolbar && toolbarCommands(toolbar).contains(command)) {
        removeToolbarCommand(toolbar, command);
        emit toolbarsChanged();
    }
    return true;
}

void ToolbarQuickCustomizer::dropOn(QToolBar* toolbar, QDropEvent* event)
{
    const ToolbarButtonMime* dragged = draggedButton(event->mimeData());
    QAction* command = dragged->command;
    if (!command || !dragged->source)
        return;
    QAction* before = dropPlace(toolbar, event->position().toPoint());
    const bool copy = wantsCopy(event->modifiers()) && !command->isSeparator();
    if (copy)
        insertToolbarCommand(toolbar, command, before);
    else
        moveToolbarCommand(dragged->source, toolbar, command, before);
    event->setDropAction(copy ? Qt::CopyAction : Qt::MoveAction);
    event->accept();
    emit toolbarsChanged();
}
