#include "panes/property_grid_delegate.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTreeWidget>

#include "panes/property_grid.h"
#include "panes/property_grid_editors.h"

namespace {

bool movesBetweenRows(const QKeyEvent& key)
{
    const bool upOrDown = key.key() == Qt::Key_Up || key.key() == Qt::Key_Down;
    return upOrDown && !(key.modifiers() & (Qt::AltModifier | Qt::ControlModifier));
}

}  // namespace

GridProperty* propertyAt(const QModelIndex& index)
{
    return static_cast<GridProperty*>(index.siblingAtColumn(0).data(kPropertyRole).value<void*>());
}

PropertyGridDelegate::PropertyGridDelegate(PropertyGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

QWidget* PropertyGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                            const QModelIndex& index) const
{
    GridProperty* property = propertyAt(index);
    if (!property)
        return nullptr;
    QWidget* editor = createPropertyEditor(*property, grid_->dialogs(), parent);
    if (auto* colour = qobject_cast<ColourEditor*>(editor))
        connect(colour, &ColourEditor::picked, this, [this, editor] { finishNow(editor); });
    if (auto* font = qobject_cast<FontEditor*>(editor))
        connect(font, &FontEditor::fontPicked, this,
                [this, property](const QFont& picked) { grid_->fontPicked(*property, picked); });
    open_ = editor;
    openIndex_ = index;
    return editor;
}

void PropertyGridDelegate::setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const
{
    if (GridProperty* property = propertyAt(index))
        grid_->editorFinished(editor, *property);
}

void PropertyGridDelegate::destroyEditor(QWidget* editor, const QModelIndex& index) const
{
    if (editor == open_) {
        open_ = nullptr;
        openIndex_ = QPersistentModelIndex();
    }
    QStyledItemDelegate::destroyEditor(editor, index);
}

bool PropertyGridDelegate::eventFilter(QObject* object, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && object->property(kEditorBusy).toBool())
        return false;
    if (event->type() == QEvent::KeyPress && movesBetweenRows(*static_cast<QKeyEvent*>(event))) {
        // Up and Down go to the next row, whatever the editor would make of them
        // (a choice would change its value); an open pop-up list keeps them.
        QCoreApplication::sendEvent(grid_->list(), event);
        return true;
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

void PropertyGridDelegate::finishNow(QWidget* editor) const
{
    auto* self = const_cast<PropertyGridDelegate*>(this);
    emit self->commitData(editor);
    emit self->closeEditor(editor, QAbstractItemDelegate::NoHint);
}
